#include "platform/soap/SoapClient.h"

#include "platform/soap/SoapConnector.h"
#include "platform/soap/SoapRequestWriter.h"
#include "platform/soap/SoapResponseReader.h"

namespace kitbench {

namespace {
SoapCallResult failed(SoapCallResult::Status status, const QString& why, int httpStatus = 0)
{
    SoapCallResult result;
    result.status = status;
    result.errorText = why;
    result.httpStatus = httpStatus;
    return result;
}
} // namespace

SoapClient::SoapClient() : m_connector(std::make_unique<SoapConnector>()) {}

SoapClient::~SoapClient() = default;

bool SoapClient::init(const QString& wsdl, QString* error)
{
    m_description = ServiceDescription::parse(wsdl, error);
    if (!m_description)
        return false;
    const QUrl endpoint(m_description->location(), QUrl::StrictMode);
    if (!endpoint.isValid() ||
        (endpoint.scheme() != QLatin1String("http") && endpoint.scheme() != QLatin1String("https"))) {
        *error = QStringLiteral("The service address \"%1\" is not an http or https address.")
                     .arg(m_description->location());
        m_description.reset();
        return false;
    }
    return true;
}

SoapCallResult SoapClient::call(const QString& method, QVariantList& arguments)
{
    using Status = SoapCallResult::Status;
    if (!m_description)
        return failed(Status::Raised, QStringLiteral("The SOAP client has no service description."));
    const SoapOperation* operation = m_description->operation(method);
    if (!operation)
        return failed(Status::Raised, QStringLiteral("The service has no method %1.").arg(method));

    QString error;
    const std::optional<QByteArray> body = SoapRequestWriter::envelope(
        m_description->targetNamespace(), *operation, arguments, m_headers, &error);
    if (!body)
        return failed(Status::Raised, error);

    const SoapConnector::Reply reply = m_connector->post(
        QUrl(m_description->location()),
        SoapRequestWriter::soapActionHeader(m_description->targetNamespace(), *operation), *body,
        m_readOnly.contains(method) ? SoapConnector::Delivery::Repeatable
                                    : SoapConnector::Delivery::AtMostOnce);
    if (reply.ownerGone)
        return failed(Status::Cancelled, QStringLiteral("The connection was closed during the call."));
    switch (reply.outcome) {
    case SoapConnector::Reply::Outcome::Refused:
        return failed(Status::Raised, reply.description);
    case SoapConnector::Reply::Outcome::Cancelled:
        return failed(Status::Cancelled, reply.description);
    case SoapConnector::Reply::Outcome::TransportError:
        return failed(Status::Transport, reply.description, reply.httpStatus);
    case SoapConnector::Reply::Outcome::Answered:
        break;
    }

    SoapCallResult result;
    if (reply.httpStatus == 200) {
        result = SoapResponseReader::readAnswer(*operation, reply.body, m_headers, arguments);
    } else if (const std::optional<QString> fault = SoapResponseReader::readFault(reply.body)) {
        result = failed(Status::Raised, *fault);
        result.faultString = *fault;
    } else {
        result = failed(Status::Raised,
                        QStringLiteral("The server answered with HTTP status %1 and no SOAP fault.")
                            .arg(reply.httpStatus));
    }
    result.httpStatus = reply.httpStatus;
    return result;
}

} // namespace kitbench
