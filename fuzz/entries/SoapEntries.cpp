// SOAP answers and service descriptions: what the server sends back to the wizard.
#include "KitbenchEntries.h"

#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapResponseReader.h"
#include "session/SoapOutcome.h"

#include <QCoreApplication>
#include <QFile>

using namespace kitbench;

namespace {

const ServiceDescription& serviceDescription()
{
    static const ServiceDescription description = [] {
        QFile file(QStringLiteral(KITBENCH_CONTRACT));
        fuzzCheck(file.open(QIODevice::ReadOnly), "the service contract can be read");
        QString error;
        std::optional<ServiceDescription> parsed =
            ServiceDescription::parse(QString::fromUtf8(file.readAll()), &error);
        fuzzCheck(parsed.has_value(), "the service contract is a description the client speaks");
        return *parsed;
    }();
    return description;
}

// The operation whose response element the body names, so that captured answers are read as what they
// are; otherwise one picked by the first byte.
const SoapOperation& operationFor(const QByteArray& body)
{
    const ServiceDescription& description = serviceDescription();
    const QStringList names = description.operationNames();
    const SoapOperation* best = nullptr;
    for (const QString& name : names) {
        const SoapOperation* operation = description.operation(name);
        const QByteArray element = operation->responseElement.toUtf8();
        if ((body.contains('<' + element) || body.contains(':' + element)) &&
            (!best || best->responseElement.size() < operation->responseElement.size()))
            best = operation;
    }
    if (best)
        return *best;
    const int pick = body.isEmpty() ? 0 : static_cast<unsigned char>(body.at(0));
    return *description.operation(names.at(pick % names.size()));
}

QVariant emptyValue(SoapType type)
{
    switch (type) {
    case SoapType::Short:
        return QVariant::fromValue(qint16(0));
    case SoapType::Int:
        return QVariant::fromValue(qint32(0));
    case SoapType::Boolean:
        return false;
    case SoapType::DateTime:
        return QDateTime();
    case SoapType::String:
        return QString();
    case SoapType::ArrayOfInt:
        return QVariant::fromValue(QList<qint32>());
    case SoapType::ArrayOfString:
        return QStringList();
    case SoapType::Unsupported:
        break;
    }
    return {};
}

QMetaType metaTypeOf(SoapType type)
{
    return emptyValue(type).metaType();
}

} // namespace

void fuzzSoapResponse(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SoapOperation& operation = operationFor(body);
    QVariantList arguments;
    for (const SoapParameter& parameter : operation.parameters)
        arguments.append(emptyValue(parameter.type));

    OrvProjectSoapClient header;
    header.ServerErrorMessage = QStringLiteral("OK");
    const SoapCallResult result = SoapResponseReader::readAnswer(operation, body, &header, arguments);

    if (const std::optional<QString> fault = SoapResponseReader::readFault(body))
        fuzzCheck(!result.ok() && result.faultString == *fault,
                  "a fault always fails the call with its text");
    if (result.ok() && operation.result() && result.result.isValid())
        fuzzCheck(result.result.metaType() == metaTypeOf(operation.result()->type),
                  "the result has its declared type");
    for (qsizetype i = 0; i < arguments.size(); ++i)
        fuzzCheck(arguments.at(i).metaType() == metaTypeOf(operation.parameters.at(i).type),
                  "echoed parameters keep their declared types");

    // The check after the call shows one message for a failure and none for a success.
    MessageService& messages = MessageService::instance();
    messages.setPresenter([](const Message&) { return MessageAnswer::Ok; });
    messages.clearHistory();
    QString transportError;
    const bool passed = CheckSoapOutcome(result, transportError, &header);
    fuzzCheck(passed == (result.ok() && header.ServerErrorMessage == QLatin1String("OK")),
              "a call passes exactly when it succeeded and the server said OK");
    fuzzCheck(messages.history().size() == (passed ? 0 : 1), "a failed call shows exactly one message");
    messages.clearHistory();
}

void fuzzServiceDescription(const std::uint8_t* data, std::size_t size)
{
    const QString wsdl = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<ServiceDescription> description = ServiceDescription::parse(wsdl, &error);
    if (!description) {
        fuzzCheck(!error.isEmpty(), "a refused description says why");
        return;
    }
    for (const QString& name : description->operationNames()) {
        const SoapOperation* operation = description->operation(name);
        fuzzCheck(operation && operation->name == name, "every listed operation can be looked up");
        for (const SoapParameter& echoed : operation->byReference()) {
            bool declared = false;
            for (const SoapParameter& parameter : operation->parameters)
                declared = declared || parameter.name == echoed.name;
            fuzzCheck(declared, "by-reference parameters are request parameters");
        }
    }
}
