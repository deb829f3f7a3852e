#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How cell values become list text: numbers in the invariant form ("1234.5"), dates as ISO 8601,
// booleans as True/False, error codes by their names.
namespace orvdev::CellText {

std::string number(double value);
// A serial date of the spreadsheet (days since 1899-12-30, or since 1904-01-01) as "YYYY-MM-DD",
// with "THH:MM:SS" when it has a time of day; only the time ("HH:MM:SS") below one day.
std::string serialDate(double serial, bool dates1904);
std::string boolean(bool value);
// BIFF error codes (0x07 -> "#DIV/0!").
std::string errorName(std::uint8_t code);
// Whether a number format shows dates or times: the built-in ids for them, or a format code with
// day, month, year, hour or second letters outside quotes and brackets.
bool isDateFormat(int formatId, std::string_view formatCode);
// "A", "B", ... "Z", "AA" for a 0-based column index.
std::string columnLetters(std::size_t column);
// At most `limit` characters of UTF-8 text (not bytes).
std::string utf8Prefix(const std::string& text, std::size_t limit);
// Latin-1 / UTF-16 code units to UTF-8.
void appendUtf8(std::string& out, std::uint32_t codePoint);

} // namespace orvdev::CellText
