#include "workbook/ListRows.h"

#include "workbook/SheetTable.h"

#include <string_view>
#include <unordered_map>

namespace orvdev {

std::vector<std::vector<std::string>> listRows(const Sheet& sheet, const std::vector<std::string>& columns,
                                               bool ignoreErrorRows)
{
    const SheetTable table(sheet);
    // Looked up by name: a sheet may span thousands of columns, and a request may choose them all.
    std::unordered_map<std::string_view, std::size_t> byName;
    const std::vector<std::string>& names = table.columnNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        byName.emplace(names[i], i);
    std::vector<std::size_t> sheetColumns;
    for (const std::string& column : columns) {
        const auto found = byName.find(column);
        if (found == byName.end())
            throw UnknownColumn("Sheet '" + sheet.name + "' has no column '" + column + "'.");
        sheetColumns.push_back(table.sheetColumn(found->second));
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(table.dataRows().size());
    for (std::size_t r : table.dataRows()) {
        const std::vector<Cell>& cells = sheet.rows[r];
        std::vector<std::string> row;
        row.reserve(sheetColumns.size());
        bool skip = false;
        for (std::size_t i = 0; i < sheetColumns.size() && !skip; ++i) {
            static const Cell empty;
            const Cell& cell = sheetColumns[i] < cells.size() ? cells[sheetColumns[i]] : empty;
            if (cell.error && !ignoreErrorRows)
                throw ErrorRow("Row " + std::to_string(r + 1) + " of sheet '" + sheet.name +
                               "' holds the error " + cell.text + " in column '" + columns[i] +
                               "'; no list was created.");
            skip = cell.error;
            row.push_back(cell.text);
        }
        if (!skip)
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace orvdev
