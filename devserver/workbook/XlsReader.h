#pragma once

#include "workbook/Workbook.h"

#include <string_view>

namespace orvdev {

// Reads the worksheets of an .xls workbook (BIFF5 of Excel 5/95, BIFF8 of Excel 97 to 2003) from
// its bytes: sheet names and visibility from the workbook globals, cells from each sheet's records
// (shared strings, numbers with their date formats, booleans, errors, formula results).
class XlsReader
{
public:
    static Workbook read(std::string_view bytes);
};

} // namespace orvdev
