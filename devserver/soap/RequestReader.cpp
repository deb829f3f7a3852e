#include "soap/RequestReader.h"

#include "soap/WellFormedXml.h"
#include "soap/XmlConvert.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace orvdev {
namespace {

const char* const envelopeNs = "http://schemas.xmlsoap.org/soap/envelope/";
const char* const instanceNs = "http://www.w3.org/2001/XMLSchema-instance";

struct QName
{
    std::string ns;
    std::string local;
};

std::string namespaceFor(pugi::xml_node node, const std::string& prefix)
{
    const std::string attr = prefix.empty() ? "xmlns" : "xmlns:" + prefix;
    for (; node; node = node.parent()) {
        if (auto a = node.attribute(attr.c_str()))
            return a.value();
    }
    return prefix == "xml" ? "http://www.w3.org/XML/1998/namespace" : "";
}

QName qnameOf(pugi::xml_node node)
{
    std::string name = node.name();
    auto colon = name.find(':');
    if (colon == std::string::npos)
        return {namespaceFor(node, ""), name};
    return {namespaceFor(node, name.substr(0, colon)), name.substr(colon + 1)};
}

std::string attributeValue(pugi::xml_node node, const std::string& wantedNs, const std::string& local)
{
    for (auto a : node.attributes()) {
        std::string name = a.name();
        auto colon = name.find(':');
        if (colon == std::string::npos)
            continue;
        if (name.substr(colon + 1) == local && namespaceFor(node, name.substr(0, colon)) == wantedNs)
            return a.value();
    }
    return {};
}

std::string describe(const QName& q)
{
    return q.ns.empty() ? "'" + q.local + "' in no namespace"
                        : "'" + q.local + "' in namespace '" + q.ns + "'";
}

class BodyReader
{
public:
    BodyReader(const std::string& body, const std::string& ns) : m_body(body), m_ns(ns) {}

    std::string position(pugi::xml_node node) const
    {
        auto offset = static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, node.offset_debug()));
        offset = std::min(offset, m_body.size());
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < offset; ++i) {
            if (m_body[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "(" + std::to_string(line) + ", " + std::to_string(column) + ")";
    }

    [[noreturn]] void unreadable(pugi::xml_node node, const std::string& why) const
    {
        throw SoapError::client("Server was unable to read request. ---> There is an error in XML document " +
                                position(node) + ". ---> " + why);
    }

    Value convert(pugi::xml_node node, XsdType type, std::vector<std::string>& warnings) const
    {
        if (attributeValue(node, instanceNs, "nil") == "true")
            return Value::nullOf(type);
        try {
            switch (type) {
            case XsdType::String:
                return Value::ofString(node.text().get());
            case XsdType::Int:
                return Value::ofInt(XmlConvert::toInt32(node.text().get()));
            case XsdType::Short:
                return Value::ofShort(XmlConvert::toInt16(node.text().get()));
            case XsdType::Boolean:
                return Value::ofBool(XmlConvert::toBoolean(node.text().get()));
            case XsdType::DateTime:
                return Value::ofDateTime(XmlConvert::toDateTime(node.text().get()));
            case XsdType::ArrayOfInt: {
                std::vector<std::int32_t> items;
                for (auto item : node.children()) {
                    if (item.type() != pugi::node_element)
                        continue;
                    QName q = qnameOf(item);
                    if (q.ns != m_ns || q.local != "int") {
                        warnings.push_back("array item " + describe(q) + " ignored");
                        continue;
                    }
                    try {
                        items.push_back(XmlConvert::toInt32(item.text().get()));
                    } catch (const ConversionError& e) {
                        unreadable(item, e.what());
                    }
                }
                return Value::ofInts(std::move(items));
            }
            case XsdType::ArrayOfString: {
                std::vector<std::optional<std::string>> items;
                for (auto item : node.children()) {
                    if (item.type() != pugi::node_element)
                        continue;
                    QName q = qnameOf(item);
                    if (q.ns != m_ns || q.local != "string") {
                        warnings.push_back("array item " + describe(q) + " ignored");
                        continue;
                    }
                    if (attributeValue(item, instanceNs, "nil") == "true")
                        items.emplace_back(std::nullopt);
                    else
                        items.emplace_back(item.text().get());
                }
                return Value::ofStrings(std::move(items));
            }
            }
        } catch (const ConversionError& e) {
            unreadable(node, e.what());
        }
        return Value::defaultOf(type);
    }

private:
    const std::string& m_body;
    const std::string& m_ns;
};

std::string mediaType(const std::string& contentType)
{
    std::string m = contentType.substr(0, contentType.find(';'));
    m.erase(std::remove_if(m.begin(), m.end(), [](unsigned char c) { return std::isspace(c); }), m.end());
    std::transform(m.begin(), m.end(), m.begin(), [](unsigned char c) { return std::tolower(c); });
    return m;
}

} // namespace

void RequestReader::checkContentType(const std::string& contentType)
{
    if (mediaType(contentType) != "text/xml")
        throw SoapError::unsupportedMediaType("content type '" + contentType + "' is not text/xml");
}

const Operation& RequestReader::operationFor(const std::optional<std::string>& soapAction) const
{
    std::string action = soapAction.value_or("");
    if (action.size() >= 2 && action.front() == '"' && action.back() == '"')
        action = action.substr(1, action.size() - 2);
    if (const Operation* op = m_contract.findByAction(action))
        return *op;
    throw SoapError::client("Server did not recognize the value of HTTP Header SOAPAction: " + action + ".");
}

SoapRequest RequestReader::read(const Operation& operation, const std::string& body) const
{
    const std::string& ns = m_contract.targetNamespace();
    pugi::xml_document doc;
    auto parsed =
        doc.load_buffer(body.data(), body.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed)
        throw SoapError::badRequest(std::string("malformed XML: ") + parsed.description());
    if (auto problem = WellFormedXml::problem(doc, body))
        throw SoapError::badRequest("malformed XML: " + *problem);
    BodyReader reader(body, ns);

    pugi::xml_node envelope = doc.document_element();
    QName root = qnameOf(envelope);
    if (root.local != "Envelope")
        reader.unreadable(envelope, "<" + root.local + " xmlns='" + root.ns + "'> was not expected.");
    if (root.ns != envelopeNs)
        throw SoapError(500, "soap:VersionMismatch",
                        "Possible SOAP version mismatch: Envelope namespace " + root.ns +
                            " was unexpected. Expecting " + envelopeNs + ".");

    SoapRequest request;
    request.operation = &operation;
    pugi::xml_node header, bodyElement;
    for (auto child : envelope.children()) {
        if (child.type() != pugi::node_element)
            continue;
        QName q = qnameOf(child);
        if (q.ns == envelopeNs && q.local == "Header")
            header = child;
        else if (q.ns == envelopeNs && q.local == "Body")
            bodyElement = child;
        else
            request.warnings.push_back("envelope child " + describe(q) + " ignored");
    }

    bool authenticator = false;
    for (auto h : header.children()) {
        if (h.type() != pugi::node_element)
            continue;
        QName q = qnameOf(h);
        if (q.ns == ns && q.local == "Authenticator") {
            authenticator = true;
            for (auto field : h.children()) {
                if (field.type() != pugi::node_element)
                    continue;
                QName fq = qnameOf(field);
                if (fq.ns == ns && fq.local == "userName")
                    request.userName = field.text().get();
                else if (fq.ns == ns && fq.local == "userPassword")
                    request.userPassword = field.text().get();
                else
                    request.warnings.push_back("Authenticator child " + describe(fq) + " ignored");
            }
            continue;
        }
        std::string mu = attributeValue(h, envelopeNs, "mustUnderstand");
        if (mu == "1" || mu == "true")
            throw SoapError(500, "soap:MustUnderstand", "SOAP header " + q.local + " was not understood.");
        request.warnings.push_back("header " + describe(q) + " ignored");
    }
    if (!authenticator)
        throw SoapError(500, "soap:MustUnderstand", "Missing required header 'Authenticator'.");

    pugi::xml_node wrapper;
    for (auto child : bodyElement.children())
        if (child.type() == pugi::node_element) {
            wrapper = child;
            break;
        }
    if (!wrapper)
        reader.unreadable(bodyElement ? bodyElement : envelope, "Root element is missing.");
    QName wq = qnameOf(wrapper);
    if (wq.ns != ns || wq.local != operation.name)
        reader.unreadable(wrapper, "<" + wq.local + " xmlns='" + wq.ns + "'> was not expected.");

    const auto& params = operation.parameters;
    std::vector<bool> seen(params.size(), false);
    request.arguments.reserve(params.size());
    for (const auto& p : params)
        request.arguments.push_back(Value::defaultOf(p.type));
    std::size_t lastIndex = 0;
    for (auto child : wrapper.children()) {
        if (child.type() != pugi::node_element)
            continue;
        QName q = qnameOf(child);
        if (q.ns != ns) {
            request.warnings.push_back("parameter element " + describe(q) + " ignored");
            continue;
        }
        auto it =
            std::find_if(params.begin(), params.end(), [&](const Parameter& p) { return p.name == q.local; });
        if (it == params.end()) {
            request.warnings.push_back("unknown element '" + q.local + "' ignored");
            continue;
        }
        auto index = static_cast<std::size_t>(it - params.begin());
        if (seen[index])
            request.warnings.push_back("element '" + q.local + "' sent twice; the last one counts");
        if (index < lastIndex)
            request.warnings.push_back("element '" + q.local + "' out of order");
        lastIndex = std::max(lastIndex, index);
        seen[index] = true;
        request.arguments[index] = reader.convert(child, it->type, request.warnings);
    }
    for (std::size_t i = 0; i < params.size(); ++i)
        if (!seen[i] && isValueType(params[i].type))
            request.warnings.push_back("value parameter '" + params[i].name +
                                       "' missing; it counts as its default");
    return request;
}

} // namespace orvdev
