#pragma once

#include "workbook/Workbook.h"

#include <string>
#include <string_view>

namespace orvdev {

// Reads delimited text as one sheet named after the file: comma, semicolon or tab separated (the
// one the first line uses most), double quotes around cells that hold delimiters, quotes ("") or
// line breaks; a UTF-8 byte order mark is dropped.
class CsvReader
{
public:
    // Text has no NUL bytes; anything else is no delimited text.
    static bool looksLikeOne(std::string_view bytes);
    static Workbook read(std::string_view bytes, const std::string& sheetName);
};

} // namespace orvdev
