#pragma once

#include "workbook/Workbook.h"

#include <string_view>

namespace orvdev {

// Reads the worksheets of an .xlsx workbook (Office Open XML) from its bytes: the zip container,
// the workbook part with its sheets (chart sheets and very hidden sheets left out), shared strings,
// the number formats of the cell styles (to tell dates from numbers) and each sheet's cells.
class XlsxReader
{
public:
    static bool looksLikeOne(std::string_view bytes);
    static Workbook read(std::string_view bytes);
};

} // namespace orvdev
