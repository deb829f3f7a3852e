#include "soap/XmlConvert.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace orvdev::XmlConvert {
namespace {

std::string trimmed(const std::string& text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

std::int64_t parseInteger(const std::string& text, std::int64_t min, std::int64_t max, const char* typeName)
{
    const std::string s = trimmed(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == s.size())
        throw ConversionError("Input string was not in a correct format.");
    std::int64_t value = 0;
    bool overflow = false;
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            throw ConversionError("Input string was not in a correct format.");
        if (value > (std::numeric_limits<std::int64_t>::max() - 9) / 10)
            overflow = true;
        else
            value = value * 10 + (s[i] - '0');
    }
    if (negative)
        value = -value;
    if (overflow || value < min || value > max)
        throw ConversionError(std::string("Value was either too large or too small for an ") + typeName +
                              ".");
    return value;
}

bool readDigits(const std::string& s, std::size_t& pos, int count, int& out)
{
    out = 0;
    for (int k = 0; k < count; ++k, ++pos) {
        if (pos >= s.size() || !std::isdigit(static_cast<unsigned char>(s[pos])))
            return false;
        out = out * 10 + (s[pos] - '0');
    }
    return true;
}

bool parseDateTime(const std::string& s, int& y, int& mo, int& d, int& h, int& mi, int& sec)
{
    std::size_t p = 0;
    h = mi = sec = 0;
    if (!readDigits(s, p, 4, y) || p >= s.size() || s[p++] != '-' || !readDigits(s, p, 2, mo) ||
        p >= s.size() || s[p++] != '-' || !readDigits(s, p, 2, d))
        return false;
    if (p < s.size() && s[p] == 'T') {
        ++p;
        if (!readDigits(s, p, 2, h) || p >= s.size() || s[p++] != ':' || !readDigits(s, p, 2, mi))
            return false;
        if (p < s.size() && s[p] == ':') {
            ++p;
            if (!readDigits(s, p, 2, sec))
                return false;
            if (p < s.size() && s[p] == '.') {
                ++p;
                std::size_t start = p;
                while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p])))
                    ++p;
                if (p == start)
                    return false;
            }
        }
    }
    if (p < s.size() && s[p] == 'Z') {
        ++p;
    } else if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        ++p;
        int zh = 0, zm = 0;
        if (!readDigits(s, p, 2, zh) || p >= s.size() || s[p++] != ':' || !readDigits(s, p, 2, zm))
            return false;
        if (zh > 14 || zm > 59)
            return false;
    }
    if (p != s.size())
        return false;
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > days[mo - 1])
        return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (mo == 2 && d == 29 && !leap)
        return false;
    return h <= 23 && mi <= 59 && sec <= 59;
}

} // namespace

std::int32_t toInt32(const std::string& text)
{
    return static_cast<std::int32_t>(parseInteger(text, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max(), "Int32"));
}

std::int16_t toInt16(const std::string& text)
{
    return static_cast<std::int16_t>(parseInteger(text, std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max(), "Int16"));
}

bool toBoolean(const std::string& text)
{
    const std::string s = trimmed(text);
    if (s == "true" || s == "1")
        return true;
    if (s == "false" || s == "0")
        return false;
    throw ConversionError("The string '" + text + "' is not a valid Boolean value.");
}

std::string toDateTime(const std::string& text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    if (!parseDateTime(trimmed(text), y, mo, d, h, mi, sec))
        throw ConversionError("The string '" + text + "' is not a valid AllXsd value.");
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", y, mo, d, h, mi, sec);
    return buffer;
}

std::string escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            out += "&#xD;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace orvdev::XmlConvert
