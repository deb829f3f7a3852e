#pragma once

#include "platform/soap/ServiceDescription.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>

#include <optional>

namespace kitbench {

class SoapHeaderHandler;

// Builds the request of one wrapped document/literal call the way an ASP.NET service reads it.
namespace SoapRequestWriter {

// The UTF-8 envelope: declaration, soap/xsi/xsd namespaces, the handler's headers, and the wrapper
// element with the service namespace as default namespace so that every parameter is qualified.
// Arguments are matched to the parameters by position. nullopt, with the reason in `error`, when an
// argument cannot be converted or there are more arguments than parameters.
std::optional<QByteArray> envelope(const QString& serviceNamespace, const SoapOperation& operation,
                                   const QVariantList& arguments, SoapHeaderHandler* headers, QString* error);

// The SOAPAction header value, quoted: the binding's soapAction, else namespace + "/" + method (no
// second "/" when the namespace ends with one).
QByteArray soapActionHeader(const QString& serviceNamespace, const SoapOperation& operation);
QString soapActionFor(const QString& serviceNamespace, const QString& method);

} // namespace SoapRequestWriter

} // namespace kitbench
