#include "http/Json.h"

#include <cstdio>

namespace orvdev::Json {

std::string quote(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string of(const Value& value)
{
    if (value.null)
        return "null";
    switch (value.type) {
    case XsdType::String:
    case XsdType::DateTime:
        return quote(value.text);
    case XsdType::Int:
    case XsdType::Short:
        return std::to_string(value.number);
    case XsdType::Boolean:
        return value.number ? "true" : "false";
    case XsdType::ArrayOfInt: {
        std::string out = "[";
        for (std::size_t i = 0; i < value.ints.size(); ++i)
            out += (i ? ", " : "") + std::to_string(value.ints[i]);
        return out + "]";
    }
    case XsdType::ArrayOfString: {
        std::string out = "[";
        for (std::size_t i = 0; i < value.strings.size(); ++i)
            out += (i ? ", " : "") + (value.strings[i] ? quote(*value.strings[i]) : std::string("null"));
        return out + "]";
    }
    }
    return "null";
}

} // namespace orvdev::Json
