#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvdev {

// The sheets and column names of an uploaded workbook, as the list import shows them
// (<Lists><File/><List><SheetName/><Field><Name/></Field>…</List>…</Lists>). A file that is no
// workbook throws WorkbookError.
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
