#include "workbook/CellText.h"

#include "workbook/Workbook.h"

#include <cmath>
#include <cstdio>

namespace orvdev {

Cell& Sheet::at(std::size_t row, std::size_t column)
{
    const std::size_t newRows = row >= rows.size() ? row + 1 - rows.size() : 0;
    const std::size_t newCells = column >= (row < rows.size() ? rows[row].size() : 0)
                                     ? column + 1 - (row < rows.size() ? rows[row].size() : 0)
                                     : 0;
    if (cellSlots + newRows + newCells > kMaxCellSlots)
        throw WorkbookError("Sheet '" + name + "' is too large to import.");
    cellSlots += newRows + newCells;
    if (newRows)
        rows.resize(row + 1);
    auto& cells = rows[row];
    if (newCells)
        cells.resize(column + 1);
    return cells[column];
}

namespace CellText {

std::string number(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return "#NUM!";
    if (value == 0)
        return "0"; // also -0
    char buffer[400];
    // Whole numbers in full; others with the 15 significant digits a spreadsheet shows, so that
    // 0.20001 stays 0.20001 and does not become the 0.2000099999999918 the double holds.
    if (std::fabs(value) < 1e21 && value == std::trunc(value))
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

namespace {

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

std::string serialDate(double serial, bool dates1904)
{
    // Round to whole seconds first so that 0.99999999 of a day is the next midnight.
    const auto seconds = static_cast<std::int64_t>(std::llround(serial * 86400.0));
    std::int64_t days = seconds / 86400;
    std::int64_t secondOfDay = seconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    char buffer[40];
    const auto h = static_cast<int>(secondOfDay / 3600), m = static_cast<int>(secondOfDay / 60 % 60),
               s = static_cast<int>(secondOfDay % 60);
    if (!dates1904 && serial < 1.0) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", h, m, s);
        return buffer;
    }
    // Serial 1 is 1900-01-01, and serial 60 the 1900-02-29 that never was; 1904 dates count from
    // 1904-01-01 as day 0.
    const std::int64_t sinceEpoch = dates1904 ? days - 24107 : days - 25569 + (days < 61 ? 1 : 0);
    int year = 0;
    unsigned month = 0, day = 0;
    civilFromDays(sinceEpoch, year, month, day);
    if (secondOfDay == 0)
        std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", year, month, day);
    else
        std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02d", year, month, day, h, m, s);
    return buffer;
}

std::string boolean(bool value)
{
    return value ? "True" : "False";
}

std::string errorName(std::uint8_t code)
{
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    case 0x2A:
        return "#N/A";
    default:
        return "#ERROR!";
    }
}

bool isDateFormat(int formatId, std::string_view code)
{
    if ((formatId >= 14 && formatId <= 22) || (formatId >= 27 && formatId <= 36) ||
        (formatId >= 45 && formatId <= 47) || (formatId >= 50 && formatId <= 58))
        return true;
    bool quoted = false;
    int bracket = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i; // the next character is shown literally (or is padding)
        else if (c == '[')
            ++bracket;
        else if (c == ']')
            bracket = bracket > 0 ? bracket - 1 : 0;
        else if (bracket == 0 && std::string_view("dDmMyYhHsS").find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string columnLetters(std::size_t column)
{
    std::string letters;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string utf8Prefix(const std::string& text, std::size_t limit)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters++ == limit)
            return text.substr(0, i);
    }
    return text;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace CellText
} // namespace orvdev
