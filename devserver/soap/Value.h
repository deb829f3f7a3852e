#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvdev {

// Parameter and result types of the service, as the contract names them.
enum class XsdType
{
    String,
    Int,
    Short,
    Boolean,
    DateTime,
    ArrayOfInt,
    ArrayOfString
};

const char* xsdTypeName(XsdType type);
bool isValueType(XsdType type);

// One argument or result of a call. A string or array that was not sent is null.
struct Value
{
    XsdType type = XsdType::String;
    bool null = true;
    std::string text;        // String; DateTime as "YYYY-MM-DDTHH:MM:SS"
    std::int64_t number = 0; // Int, Short, Boolean (0/1)
    std::vector<std::int32_t> ints;
    std::vector<std::optional<std::string>> strings;

    static Value ofString(std::string s);
    static Value ofInt(std::int64_t n);
    static Value ofShort(std::int64_t n);
    static Value ofBool(bool b);
    static Value ofDateTime(std::string iso);
    static Value ofInts(std::vector<std::int32_t> v);
    static Value ofStrings(std::vector<std::optional<std::string>> v);
    static Value nullOf(XsdType type);
    // The value a missing element takes on the server: 0, false, the minimal date, or null.
    static Value defaultOf(XsdType type);
};

} // namespace orvdev
