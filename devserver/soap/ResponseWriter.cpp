#include "soap/ResponseWriter.h"

#include "soap/XmlConvert.h"

namespace orvdev {
namespace {

const char* const envelopeOpen =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">";

} // namespace

void ResponseWriter::appendValue(std::string& out, const std::string& name, const Value& value)
{
    if (value.null) {
        if (isValueType(value.type))
            out += "<" + name + ">0</" + name + ">";
        return; // a null string or array is left out
    }
    switch (value.type) {
    case XsdType::String:
    case XsdType::DateTime:
        out += "<" + name + ">" + XmlConvert::escape(value.text) + "</" + name + ">";
        break;
    case XsdType::Int:
    case XsdType::Short:
        out += "<" + name + ">" + std::to_string(value.number) + "</" + name + ">";
        break;
    case XsdType::Boolean:
        out += "<" + name + ">" + (value.number ? "true" : "false") + "</" + name + ">";
        break;
    case XsdType::ArrayOfInt:
        if (value.ints.empty()) {
            out += "<" + name + " />";
            break;
        }
        out += "<" + name + ">";
        for (auto i : value.ints)
            out += "<int>" + std::to_string(i) + "</int>";
        out += "</" + name + ">";
        break;
    case XsdType::ArrayOfString:
        if (value.strings.empty()) {
            out += "<" + name + " />";
            break;
        }
        out += "<" + name + ">";
        for (const auto& s : value.strings)
            out += s ? "<string>" + XmlConvert::escape(*s) + "</string>" : "<string xsi:nil=\"true\" />";
        out += "</" + name + ">";
        break;
    }
}

std::string ResponseWriter::response(const Operation& operation, const std::string& status,
                                     const std::optional<Value>& result,
                                     const std::vector<Value>& arguments) const
{
    std::string out = envelopeOpen;
    out += "<soap:Header><ConnectionState xmlns=\"" + m_ns + "\"><State>" + XmlConvert::escape(status) +
           "</State></ConnectionState></soap:Header>";
    out += "<soap:Body><" + operation.name + "Response xmlns=\"" + m_ns + "\">";
    if (operation.resultType) {
        Value r = result ? *result : Value::defaultOf(*operation.resultType);
        appendValue(out, operation.name + "Result", r);
    }
    for (std::size_t i = 0; i < operation.parameters.size() && i < arguments.size(); ++i)
        if (operation.parameters[i].byRef)
            appendValue(out, operation.parameters[i].name, arguments[i]);
    out += "</" + operation.name + "Response></soap:Body></soap:Envelope>";
    return out;
}

std::string ResponseWriter::fault(const std::string& faultCode, const std::string& faultString)
{
    std::string out = envelopeOpen;
    out += "<soap:Body><soap:Fault><faultcode>" + XmlConvert::escape(faultCode) +
           "</faultcode><faultstring>" + XmlConvert::escape(faultString) +
           "</faultstring><detail /></soap:Fault></soap:Body></soap:Envelope>";
    return out;
}

} // namespace orvdev
