#pragma once

#include "workbook/Workbook.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace orvdev {

// A chosen column the sheet does not have.
class UnknownColumn : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A data row holds an error value in a chosen column and error rows are not to be ignored.
class ErrorRow : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The rows a list made from a sheet gets: the chosen columns in the chosen order, one row per data
// row of the sheet (SheetTable), cells as text. A row with an error value in a chosen column is
// skipped when `ignoreErrorRows`; otherwise the first one throws ErrorRow, naming the row as the
// spreadsheet numbers it.
std::vector<std::vector<std::string>> listRows(const Sheet& sheet, const std::vector<std::string>& columns,
                                               bool ignoreErrorRows);

} // namespace orvdev
