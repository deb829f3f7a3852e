#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvdev {

// The sheets and column names of an uploaded workbook, as the list import shows them
// (<Lists><File/><List><SheetName/><Field><Name/></Field>…</List>…</Lists>).
//
// Delimited text (comma, semicolon or tab separated, first line = column names) is read as one
// sheet named after the file. Binary spreadsheet formats are not read: for them the outline
// names the stored file and lists no sheets.
class WorkbookOutline
{
public:
    struct Sheet
    {
        std::string name;
        std::vector<std::string> columns;
    };

    static WorkbookOutline read(const std::filesystem::path& contents, const std::string& fileName);
    std::string xml(const std::string& serverName) const;

    std::vector<Sheet> sheets;
};

} // namespace orvdev
