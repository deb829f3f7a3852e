#include "platform/soap/SoapResponseReader.h"

#include "platform/soap/SoapHeaderHandler.h"
#include "platform/soap/SoapValues.h"
#include "platform/soap/XmlNames.h"

#include <pugixml.hpp>

namespace kitbench::SoapResponseReader {

using namespace XmlNames;

namespace {

SoapCallResult raised(const QString& why)
{
    SoapCallResult result;
    result.status = SoapCallResult::Status::Raised;
    result.errorText = why;
    return result;
}

// Parses the body; the envelope element, or a null node with the reason in `why`.
pugi::xml_node envelopeOf(pugi::xml_document& document, const QByteArray& body, QString* why)
{
    // No DTD is expanded and no external entity read: pugixml does neither.
    const pugi::xml_parse_result parsed =
        document.load_buffer(body.constData(), size_t(body.size()), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        *why = QStringLiteral("The server's answer is not XML: %1 (offset %2).")
                   .arg(QString::fromUtf8(parsed.description()))
                   .arg(parsed.offset);
        return {};
    }
    const pugi::xml_node envelope = document.document_element();
    if (!is(envelope, kEnvelope, "Envelope")) {
        *why = QStringLiteral("The server's answer is not a SOAP 1.1 envelope (root element %1).")
                   .arg(QString::fromUtf8(envelope.name()));
        return {};
    }
    return envelope;
}

std::optional<QString> faultOf(const pugi::xml_node& envelope)
{
    const pugi::xml_node fault = child(child(envelope, kEnvelope, "Body"), kEnvelope, "Fault");
    if (!fault)
        return std::nullopt;
    // faultstring is unqualified in SOAP 1.1; accept it in any namespace.
    for (pugi::xml_node node = fault.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && localName(node) == QLatin1String("faultstring"))
            return textContent(node);
    }
    return QString();
}

pugi::xml_node childNamed(const pugi::xml_node& parent, const QString& name)
{
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && localName(node) == name)
            return node;
    }
    return {};
}

} // namespace

SoapCallResult readAnswer(const SoapOperation& operation, const QByteArray& body, SoapHeaderHandler* headers,
                          QVariantList& arguments)
{
    pugi::xml_document document;
    QString why;
    const pugi::xml_node envelope = envelopeOf(document, body, &why);
    if (!envelope)
        return raised(why);

    if (headers) {
        const pugi::xml_node header = child(envelope, kEnvelope, "Header");
        for (pugi::xml_node element = header.first_child(); element; element = element.next_sibling()) {
            if (element.type() == pugi::node_element)
                headers->ReadHeader(element);
        }
    }

    if (const std::optional<QString> fault = faultOf(envelope)) {
        SoapCallResult result = raised(*fault);
        result.faultString = *fault;
        return result;
    }
    const pugi::xml_node wrapper = firstElement(child(envelope, kEnvelope, "Body"));
    if (localName(wrapper) != operation.responseElement)
        return raised(QStringLiteral("The server's answer holds %1 where %2 was expected.")
                          .arg(wrapper ? QString::fromUtf8(wrapper.name()) : QStringLiteral("nothing"),
                               operation.responseElement));

    SoapCallResult result;
    if (const SoapParameter* resultParameter = operation.result()) {
        if (const pugi::xml_node element = childNamed(wrapper, resultParameter->name)) {
            if (!SoapValues::read(element, resultParameter->type, &result.result))
                return raised(QStringLiteral("The server's %1 is not a valid %2.")
                                  .arg(resultParameter->name, SoapValues::typeName(resultParameter->type)));
        }
    }
    // By-reference parameters come back under their own names; a missing one leaves the argument as it was.
    for (const SoapParameter& echoed : operation.byReference()) {
        const pugi::xml_node element = childNamed(wrapper, echoed.name);
        if (!element)
            continue;
        for (qsizetype i = 0; i < operation.parameters.size() && i < arguments.size(); ++i) {
            if (operation.parameters.at(i).name != echoed.name)
                continue;
            QVariant value;
            if (!SoapValues::read(element, echoed.type, &value))
                return raised(QStringLiteral("The server's %1 is not a valid %2.")
                                  .arg(echoed.name, SoapValues::typeName(echoed.type)));
            arguments[i] = value;
        }
    }
    return result;
}

std::optional<QString> readFault(const QByteArray& body)
{
    pugi::xml_document document;
    QString why;
    const pugi::xml_node envelope = envelopeOf(document, body, &why);
    if (!envelope)
        return std::nullopt;
    return faultOf(envelope);
}

} // namespace kitbench::SoapResponseReader
