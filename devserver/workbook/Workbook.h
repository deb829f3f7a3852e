#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvdev {

// One cell as the list import sees it: its value as text, and whether the cell holds an error
// value (#N/A, #DIV/0!, ...), whose text is then the error's name.
struct Cell
{
    std::string text;
    bool error = false;
};

// A worksheet's cells by row and column index (0-based). Rows and cells that were never written
// are missing at the end of their vector or empty in between.
struct Sheet
{
    std::string name;
    std::vector<std::vector<Cell>> rows;

    Cell& at(std::size_t row, std::size_t column);
};

// The worksheets a user would be offered, in workbook order (no chart sheets, no very hidden ones).
struct Workbook
{
    std::vector<Sheet> sheets;
};

// The bytes are not a workbook we can read (or a damaged one).
class WorkbookError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace orvdev
