#pragma once

#include "workbook/Workbook.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvdev {

// Picks the reader by the file's first bytes, not its name: a compound document is .xls, a zip
// container .xlsx, text without NUL bytes delimited text (one sheet named after the file, at most
// 31 characters as a sheet name can be). Anything else is a WorkbookError.
class WorkbookFile
{
public:
    static Workbook fromBytes(std::string_view bytes, const std::string& fileName);
    static Workbook read(const std::filesystem::path& path, const std::string& fileName);
};

} // namespace orvdev
