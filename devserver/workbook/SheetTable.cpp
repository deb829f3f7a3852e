#include "workbook/SheetTable.h"

#include "workbook/CellText.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace orvdev {
namespace {

bool rowHasValue(const std::vector<Cell>& row)
{
    for (const Cell& cell : row)
        if (!cell.text.empty())
            return true;
    return false;
}

} // namespace

SheetTable::SheetTable(const Sheet& sheet)
{
    std::size_t first = SIZE_MAX, last = 0;
    std::optional<std::size_t> header;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto& row = sheet.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (row[c].text.empty())
                continue;
            first = std::min(first, c);
            last = std::max(last, c);
        }
        if (!header && rowHasValue(row))
            header = r;
        else if (header && rowHasValue(row))
            m_dataRows.push_back(r);
    }
    if (!header)
        return;
    m_firstColumn = first;
    std::set<std::string> taken;
    // The suffix to try next per header text: a header of thousands of equal names must not try
    // every suffix again for each of them. Suffixes below it are taken and stay so.
    std::map<std::string, int> nextSuffix;
    const auto& headerRow = sheet.rows[*header];
    for (std::size_t c = first; c <= last; ++c) {
        std::string name = c < headerRow.size() ? headerRow[c].text : std::string();
        if (name.empty())
            name = "Column " + CellText::columnLetters(c);
        std::string unique = name;
        int& n = nextSuffix.try_emplace(name, 2).first->second;
        for (; taken.count(unique); ++n)
            unique = name + " " + std::to_string(n);
        taken.insert(unique);
        m_names.push_back(std::move(unique));
    }
}

} // namespace orvdev
