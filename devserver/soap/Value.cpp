#include "soap/Value.h"

namespace orvdev {

const char* xsdTypeName(XsdType type)
{
    switch (type) {
    case XsdType::String:
        return "s:string";
    case XsdType::Int:
        return "s:int";
    case XsdType::Short:
        return "s:short";
    case XsdType::Boolean:
        return "s:boolean";
    case XsdType::DateTime:
        return "s:dateTime";
    case XsdType::ArrayOfInt:
        return "tns:ArrayOfInt";
    case XsdType::ArrayOfString:
        return "tns:ArrayOfString";
    }
    return "";
}

bool isValueType(XsdType type)
{
    return type == XsdType::Int || type == XsdType::Short || type == XsdType::Boolean ||
           type == XsdType::DateTime;
}

Value Value::ofString(std::string s)
{
    Value v;
    v.type = XsdType::String;
    v.null = false;
    v.text = std::move(s);
    return v;
}

Value Value::ofInt(std::int64_t n)
{
    Value v;
    v.type = XsdType::Int;
    v.null = false;
    v.number = n;
    return v;
}

Value Value::ofShort(std::int64_t n)
{
    Value v = ofInt(n);
    v.type = XsdType::Short;
    return v;
}

Value Value::ofBool(bool b)
{
    Value v = ofInt(b ? 1 : 0);
    v.type = XsdType::Boolean;
    return v;
}

Value Value::ofDateTime(std::string iso)
{
    Value v = ofString(std::move(iso));
    v.type = XsdType::DateTime;
    return v;
}

Value Value::ofInts(std::vector<std::int32_t> list)
{
    Value v;
    v.type = XsdType::ArrayOfInt;
    v.null = false;
    v.ints = std::move(list);
    return v;
}

Value Value::ofStrings(std::vector<std::optional<std::string>> list)
{
    Value v;
    v.type = XsdType::ArrayOfString;
    v.null = false;
    v.strings = std::move(list);
    return v;
}

Value Value::nullOf(XsdType type)
{
    Value v;
    v.type = type;
    v.null = true;
    return v;
}

Value Value::defaultOf(XsdType type)
{
    switch (type) {
    case XsdType::Int:
        return ofInt(0);
    case XsdType::Short:
        return ofShort(0);
    case XsdType::Boolean:
        return ofBool(false);
    case XsdType::DateTime:
        return ofDateTime("0001-01-01T00:00:00");
    default:
        return nullOf(type);
    }
}

} // namespace orvdev
