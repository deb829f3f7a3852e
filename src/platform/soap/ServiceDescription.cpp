#include "platform/soap/ServiceDescription.h"

#include "platform/soap/XmlNames.h"

#include <pugixml.hpp>

#include <stdexcept>

namespace kitbench {

using namespace XmlNames;

const SoapParameter* SoapOperation::result() const
{
    const QString resultName = name + QStringLiteral("Result");
    for (const SoapParameter& child : responseChildren) {
        if (child.name == resultName)
            return &child;
    }
    return nullptr;
}

QList<SoapParameter> SoapOperation::byReference() const
{
    QList<SoapParameter> echoed;
    for (const SoapParameter& child : responseChildren) {
        for (const SoapParameter& parameter : parameters) {
            if (parameter.name == child.name)
                echoed.append(child);
        }
    }
    return echoed;
}

const SoapOperation* ServiceDescription::operation(const QString& name) const
{
    const auto found = m_operations.constFind(name);
    return found == m_operations.constEnd() ? nullptr : &found.value();
}

QStringList ServiceDescription::operationNames() const
{
    QStringList names = m_operations.keys();
    names.sort();
    return names;
}

namespace {
struct WsdlError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& reason)
{
    throw WsdlError(reason.toStdString());
}

// A name as "{namespace}local", so that names from several schemas never collide.
QString expanded(const QString& uri, const QString& local)
{
    return QLatin1Char('{') + uri + QLatin1Char('}') + local;
}

QString expandedValue(const pugi::xml_node& context, const QString& qualifiedName)
{
    return expanded(namespaceOfValue(context, qualifiedName), localPart(qualifiedName));
}
} // namespace

// Reads the parts of a WSDL in the order they refer to each other: schemas, messages, port type,
// the SOAP 1.1 binding and the service address.
class WsdlReader
{
public:
    ServiceDescription read(const pugi::xml_node& definitions)
    {
        if (!is(definitions, kWsdl, "definitions"))
            fail(QStringLiteral("The text is not a WSDL document (no wsdl:definitions element)."));
        m_description.m_targetNamespace = attribute(definitions, "targetNamespace");
        indexSchemas(definitions);
        indexMessagesAndPortTypes(definitions);
        const pugi::xml_node binding = soap11Binding(definitions);
        for (pugi::xml_node node = binding.first_child(); node; node = node.next_sibling()) {
            if (is(node, kWsdl, "operation"))
                addOperation(node);
        }
        return m_description;
    }

private:
    void indexSchemas(const pugi::xml_node& definitions)
    {
        // ASP.NET adds a second schema for guid and char: every schema is indexed under its own namespace.
        const pugi::xml_node types = child(definitions, kWsdl, "types");
        for (pugi::xml_node schema = types.first_child(); schema; schema = schema.next_sibling()) {
            if (!is(schema, kXsd, "schema"))
                continue;
            const QString uri = attribute(schema, "targetNamespace");
            for (pugi::xml_node item = schema.first_child(); item; item = item.next_sibling()) {
                if (is(item, kXsd, "element"))
                    m_elements.insert(expanded(uri, attribute(item, "name")), item);
                else if (is(item, kXsd, "complexType"))
                    m_complexTypes.insert(expanded(uri, attribute(item, "name")), item);
            }
        }
    }

    void indexMessagesAndPortTypes(const pugi::xml_node& definitions)
    {
        for (pugi::xml_node node = definitions.first_child(); node; node = node.next_sibling()) {
            if (is(node, kWsdl, "message"))
                m_messages.insert(attribute(node, "name"), node);
            else if (is(node, kWsdl, "portType"))
                m_portTypes.insert(attribute(node, "name"), node);
        }
    }

    pugi::xml_node soap11Binding(const pugi::xml_node& definitions)
    {
        // The binding the service's SOAP 1.1 port names; the parallel soap12 binding is not used.
        QString portBinding;
        const pugi::xml_node service = child(definitions, kWsdl, "service");
        for (pugi::xml_node port = service.first_child(); port; port = port.next_sibling()) {
            const pugi::xml_node address = child(port, kWsdlSoap11, "address");
            if (is(port, kWsdl, "port") && address) {
                m_description.m_location = attribute(address, "location");
                portBinding = localPart(attribute(port, "binding"));
                break;
            }
        }
        for (pugi::xml_node node = definitions.first_child(); node; node = node.next_sibling()) {
            const pugi::xml_node soapBinding = child(node, kWsdlSoap11, "binding");
            if (!is(node, kWsdl, "binding") || !soapBinding)
                continue;
            if (!portBinding.isEmpty() && attribute(node, "name") != portBinding)
                continue;
            if (attribute(soapBinding, "style") == QLatin1String("rpc"))
                fail(QStringLiteral(
                         "The binding %1 uses the rpc style; this client speaks document/literal only.")
                         .arg(attribute(node, "name")));
            m_portType = m_portTypes.value(localPart(attribute(node, "type")));
            if (!m_portType)
                fail(QStringLiteral("The port type of the binding %1 is missing.")
                         .arg(attribute(node, "name")));
            return node;
        }
        fail(QStringLiteral("The service description has no SOAP 1.1 binding."));
    }

    void addOperation(const pugi::xml_node& node)
    {
        SoapOperation operation;
        operation.name = attribute(node, "name");
        const pugi::xml_node soapOperation = child(node, kWsdlSoap11, "operation");
        operation.soapAction = attribute(soapOperation, "soapAction");
        if (attribute(soapOperation, "style") == QLatin1String("rpc"))
            fail(QStringLiteral(
                     "The operation %1 uses the rpc style; this client speaks document/literal only.")
                     .arg(operation.name));

        const pugi::xml_node input = child(node, kWsdl, "input");
        const pugi::xml_node output = child(node, kWsdl, "output");
        if (attribute(child(input, kWsdlSoap11, "body"), "use") == QLatin1String("encoded"))
            fail(QStringLiteral("The operation %1 uses SOAP encoding; this client speaks literal only.")
                     .arg(operation.name));

        const pugi::xml_node portOperation = portTypeOperation(operation.name);
        const pugi::xml_node request = wrapperElement(operation.name, child(portOperation, kWsdl, "input"));
        operation.requestElement = attribute(request, "name");
        operation.parameters = sequenceOf(request);
        const pugi::xml_node response = wrapperElement(operation.name, child(portOperation, kWsdl, "output"));
        operation.responseElement = attribute(response, "name");
        operation.responseChildren = sequenceOf(response);

        if (const pugi::xml_node header = headerElement(child(input, kWsdlSoap11, "header"))) {
            operation.requestHeaderElement = attribute(header, "name");
            operation.requestHeaderChildren = sequenceOf(header);
        }
        if (const pugi::xml_node header = headerElement(child(output, kWsdlSoap11, "header")))
            operation.responseHeaderElement = attribute(header, "name");
        m_description.m_operations.insert(operation.name, operation);
    }

    pugi::xml_node portTypeOperation(const QString& name) const
    {
        for (pugi::xml_node node = m_portType.first_child(); node; node = node.next_sibling()) {
            if (is(node, kWsdl, "operation") && attribute(node, "name") == name)
                return node;
        }
        fail(QStringLiteral("The operation %1 is missing from the port type.").arg(name));
    }

    // The wrapped style: the message has exactly one part, named "parameters", that names an element.
    pugi::xml_node wrapperElement(const QString& operationName, const pugi::xml_node& io) const
    {
        const pugi::xml_node message = m_messages.value(localPart(attribute(io, "message")));
        if (!message)
            fail(QStringLiteral("A message of the operation %1 is missing.").arg(operationName));
        QList<pugi::xml_node> parts;
        for (pugi::xml_node part = message.first_child(); part; part = part.next_sibling()) {
            if (is(part, kWsdl, "part"))
                parts.append(part);
        }
        if (parts.size() != 1 || attribute(parts.first(), "name") != QLatin1String("parameters") ||
            attribute(parts.first(), "element").isEmpty())
            fail(QStringLiteral(
                     "The operation %1 uses the bare message style (message %2); this client speaks "
                     "the wrapped document/literal style only.")
                     .arg(operationName, attribute(message, "name")));
        return schemaElement(parts.first(), attribute(parts.first(), "element"));
    }

    pugi::xml_node headerElement(const pugi::xml_node& soapHeader) const
    {
        if (!soapHeader)
            return {};
        const pugi::xml_node message = m_messages.value(localPart(attribute(soapHeader, "message")));
        const QString partName = attribute(soapHeader, "part");
        for (pugi::xml_node part = message.first_child(); part; part = part.next_sibling()) {
            if (is(part, kWsdl, "part") && attribute(part, "name") == partName)
                return schemaElement(part, attribute(part, "element"));
        }
        fail(QStringLiteral("The header part %1 is missing.").arg(partName));
    }

    pugi::xml_node schemaElement(const pugi::xml_node& context, const QString& qualifiedName) const
    {
        const pugi::xml_node element = m_elements.value(expandedValue(context, qualifiedName));
        if (!element)
            fail(QStringLiteral("The schema element %1 is missing.").arg(qualifiedName));
        return element;
    }

    // The children of an element's complex type: inline, or a named type of the schema.
    QList<SoapParameter> sequenceOf(const pugi::xml_node& element) const
    {
        pugi::xml_node complexType = child(element, kXsd, "complexType");
        const QString typeName = attribute(element, "type");
        if (!complexType && !typeName.isEmpty())
            complexType = m_complexTypes.value(expandedValue(element, typeName));
        QList<SoapParameter> children;
        const pugi::xml_node sequence = child(complexType, kXsd, "sequence");
        for (pugi::xml_node item = sequence.first_child(); item; item = item.next_sibling()) {
            if (!is(item, kXsd, "element"))
                continue;
            SoapParameter parameter;
            parameter.name = attribute(item, "name");
            parameter.typeName = attribute(item, "type");
            parameter.type = typeOf(item, parameter.typeName);
            parameter.optional = attribute(item, "minOccurs") == QLatin1String("0");
            children.append(parameter);
        }
        return children;
    }

    SoapType typeOf(const pugi::xml_node& context, const QString& typeName) const
    {
        const QString local = localPart(typeName);
        if (namespaceOfValue(context, typeName) == QLatin1String(kXsd)) {
            if (local == QLatin1String("short"))
                return SoapType::Short;
            if (local == QLatin1String("int"))
                return SoapType::Int;
            if (local == QLatin1String("boolean"))
                return SoapType::Boolean;
            if (local == QLatin1String("dateTime"))
                return SoapType::DateTime;
            if (local == QLatin1String("string"))
                return SoapType::String;
            return SoapType::Unsupported;
        }
        // An array type: a sequence of one unbounded element of int or string.
        const pugi::xml_node complexType = m_complexTypes.value(expandedValue(context, typeName));
        const pugi::xml_node item = child(child(complexType, kXsd, "sequence"), kXsd, "element");
        if (!item || attribute(item, "maxOccurs") != QLatin1String("unbounded"))
            return SoapType::Unsupported;
        const SoapType itemType = typeOf(item, attribute(item, "type"));
        const QString itemName = attribute(item, "name");
        if (itemType == SoapType::Int && itemName == QLatin1String("int"))
            return SoapType::ArrayOfInt;
        if (itemType == SoapType::String && itemName == QLatin1String("string"))
            return SoapType::ArrayOfString;
        return SoapType::Unsupported;
    }

    ServiceDescription m_description;
    QHash<QString, pugi::xml_node> m_elements;
    QHash<QString, pugi::xml_node> m_complexTypes;
    QHash<QString, pugi::xml_node> m_messages;
    QHash<QString, pugi::xml_node> m_portTypes;
    pugi::xml_node m_portType;
};

std::optional<ServiceDescription> ServiceDescription::parse(const QString& wsdl, QString* error)
{
    const QByteArray text = wsdl.toUtf8();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.constData(), size_t(text.size()), pugi::parse_default, pugi::encoding_utf8);
    try {
        if (!parsed)
            fail(QStringLiteral("The service description is not well-formed XML: %1 (offset %2).")
                     .arg(QString::fromUtf8(parsed.description()))
                     .arg(parsed.offset));
        return WsdlReader().read(document.document_element());
    } catch (const WsdlError& problem) {
        if (error)
            *error = QString::fromStdString(problem.what());
        return std::nullopt;
    }
}

} // namespace kitbench
