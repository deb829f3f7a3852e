#include "platform/soap/SoapRequestWriter.h"

#include "platform/soap/SoapHeaderHandler.h"
#include "platform/soap/SoapValues.h"
#include "platform/soap/XmlNames.h"
#include "platform/soap/XmlTextWriter.h"

namespace kitbench::SoapRequestWriter {

std::optional<QByteArray> envelope(const QString& serviceNamespace, const SoapOperation& operation,
                                   const QVariantList& arguments, SoapHeaderHandler* headers, QString* error)
{
    if (arguments.size() > operation.parameters.size()) {
        *error = QStringLiteral("The method %1 takes %2 arguments, %3 were given.")
                     .arg(operation.name)
                     .arg(operation.parameters.size())
                     .arg(arguments.size());
        return std::nullopt;
    }
    XmlTextWriter writer;
    writer.writeDeclaration();
    writer.startElement(QStringLiteral("soap:Envelope"),
                        {{QStringLiteral("xmlns:soap"), QString::fromLatin1(XmlNames::kEnvelope)},
                         {QStringLiteral("xmlns:xsi"), QString::fromLatin1(XmlNames::kXsi)},
                         {QStringLiteral("xmlns:xsd"), QString::fromLatin1(XmlNames::kXsd)}});
    if (headers && headers->WillWriteHeaders()) {
        writer.startElement(QStringLiteral("soap:Header"));
        SoapHeaderWriter headerWriter(writer, serviceNamespace);
        headers->WriteHeaders(headerWriter);
        writer.endElement();
    }
    writer.startElement(QStringLiteral("soap:Body"));
    writer.startElement(operation.requestElement, {{QStringLiteral("xmlns"), serviceNamespace}});
    for (qsizetype i = 0; i < operation.parameters.size(); ++i) {
        const SoapParameter& parameter = operation.parameters.at(i);
        // A missing trailing argument is a null: left out when the parameter may be, refused otherwise.
        const QVariant value = i < arguments.size() ? arguments.at(i) : QVariant();
        if (!SoapValues::write(writer, parameter, value, error))
            return std::nullopt;
    }
    writer.endElement();
    writer.endElement();
    writer.endElement();
    if (!writer.error().isEmpty()) {
        *error =
            QStringLiteral("The request of %1 cannot be written: %2.").arg(operation.name, writer.error());
        return std::nullopt;
    }
    return writer.text().toUtf8();
}

QString soapActionFor(const QString& serviceNamespace, const QString& method)
{
    if (serviceNamespace.endsWith(QLatin1Char('/')))
        return serviceNamespace + method;
    return serviceNamespace + QLatin1Char('/') + method;
}

QByteArray soapActionHeader(const QString& serviceNamespace, const SoapOperation& operation)
{
    const QString action = operation.soapAction.isEmpty() ? soapActionFor(serviceNamespace, operation.name)
                                                          : operation.soapAction;
    return '"' + action.toUtf8() + '"';
}

} // namespace kitbench::SoapRequestWriter
