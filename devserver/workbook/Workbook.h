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
    // Cells a sheet may span (rows times the columns each row reaches): a few bytes of a damaged
    // or hostile file must not make the server allocate gigabytes. 100,000 x 10 needs 1,000,000.
    static constexpr std::size_t kMaxCellSlots = 10'000'000;

    std::string name;
    std::vector<std::vector<Cell>> rows;
    std::size_t cellSlots = 0;

    // The cell, making room for it; throws WorkbookError beyond kMaxCellSlots.
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
