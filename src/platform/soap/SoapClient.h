#pragma once

#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapCallResult.h"

#include <QSet>
#include <QString>
#include <QUrl>
#include <QVariantList>

#include <memory>
#include <optional>

namespace kitbench {

class SoapConnector;
class SoapHeaderHandler;

// A late-bound SOAP 1.1 client driven by a service description: methods are called by name with
// positional arguments, converted to the types the description declares.
class SoapClient
{
public:
    SoapClient();
    ~SoapClient();
    SoapClient(const SoapClient&) = delete;
    SoapClient& operator=(const SoapClient&) = delete;

    // Reads the service description (its text, not fetched). False, with the reason in `error`,
    // when it is not one this client can speak.
    bool init(const QString& wsdl, QString* error);

    SoapConnector& connector() { return *m_connector; }
    // Not owned; the owner of both keeps it alive as long as the client.
    void setHeaderHandler(SoapHeaderHandler* handler) { m_headers = handler; }
    SoapHeaderHandler* headerHandler() const { return m_headers; }
    const ServiceDescription* description() const { return m_description ? &*m_description : nullptr; }
    // The methods that only read: they share the kept-alive connection. Every other method may change
    // the server and is sent at most once (SoapConnector::Delivery).
    void setReadOnlyMethods(QSet<QString> methods) { m_readOnly = std::move(methods); }

    // Calls `method`; the arguments are matched to its parameters by position, and by-reference
    // parameters the server echoes are copied back into `arguments`. Returns when the answer has
    // arrived, failed or been cancelled. Nothing is sent when an argument cannot be converted.
    SoapCallResult call(const QString& method, QVariantList& arguments);

private:
    std::optional<ServiceDescription> m_description;
    std::unique_ptr<SoapConnector> m_connector;
    SoapHeaderHandler* m_headers = nullptr;
    QSet<QString> m_readOnly;
};

} // namespace kitbench
