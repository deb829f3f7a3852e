#pragma once

#include "workbook/Workbook.h"

#include <string>
#include <vector>

namespace orvdev {

// A sheet seen as a table: the first row holding anything is the header, the used columns (first
// to last column with a value anywhere) are the table's columns, and every later row with a value
// in one of them is a data row. Header cells that are empty get the name "Column B" (the column's
// letters); a name seen before gets " 2", " 3", ... so that every column can be chosen by name.
class SheetTable
{
public:
    explicit SheetTable(const Sheet& sheet);

    const std::vector<std::string>& columnNames() const { return m_names; }
    // The sheet column of a table column.
    std::size_t sheetColumn(std::size_t tableColumn) const { return m_firstColumn + tableColumn; }
    // Sheet row indexes of the data rows, in order.
    const std::vector<std::size_t>& dataRows() const { return m_dataRows; }

private:
    std::vector<std::string> m_names;
    std::size_t m_firstColumn = 0;
    std::vector<std::size_t> m_dataRows;
};

} // namespace orvdev
