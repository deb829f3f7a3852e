#include "workbook/CsvReader.h"

#include <algorithm>

namespace orvdev {
namespace {

char delimiterOf(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    char delimiter = ',';
    std::ptrdiff_t most = 0;
    for (char candidate : {'\t', ';', ','}) {
        const auto count = std::count(firstLine.begin(), firstLine.end(), candidate);
        if (count > most) {
            most = count;
            delimiter = candidate;
        }
    }
    return delimiter;
}

} // namespace

bool CsvReader::looksLikeOne(std::string_view bytes)
{
    return bytes.find('\0') == std::string_view::npos;
}

Workbook CsvReader::read(std::string_view text, const std::string& sheetName)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const char delimiter = delimiterOf(text);
    Sheet sheet;
    sheet.name = sheetName;
    std::vector<Cell> row;
    std::string cell;
    bool quoted = false, wasQuoted = false;
    const auto endCell = [&] {
        if (!wasQuoted) {
            // Unquoted cells lose the blanks around them.
            const auto begin = cell.find_first_not_of(" \t\r");
            cell = begin == std::string::npos
                       ? ""
                       : cell.substr(begin, cell.find_last_not_of(" \t\r") - begin + 1);
        }
        row.push_back({std::move(cell), false});
        cell.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"' && cell.find_first_not_of(" \t") == std::string::npos) {
            cell.clear();
            quoted = wasQuoted = true;
        } else if (c == delimiter) {
            endCell();
        } else if (c == '\n') {
            endCell();
            sheet.rows.push_back(std::move(row));
            row.clear();
        } else if (c != '\r' || wasQuoted) {
            cell += c;
        }
    }
    if (!cell.empty() || !row.empty() || wasQuoted) {
        endCell();
        sheet.rows.push_back(std::move(row));
    }
    Workbook workbook;
    workbook.sheets.push_back(std::move(sheet));
    return workbook;
}

} // namespace orvdev
