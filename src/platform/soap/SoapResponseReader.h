#pragma once

#include "platform/soap/ServiceDescription.h"
#include "platform/soap/SoapCallResult.h"

#include <QByteArray>
#include <QVariantList>

#include <optional>

namespace kitbench {

class SoapHeaderHandler;

// Reads the server's answer to one call.
namespace SoapResponseReader {

// An answer with HTTP status 200: every element of the SOAP Header goes to the handler (so the last
// one wins), the <Method>Result becomes the result and echoed by-reference parameters are copied
// back into `arguments`. A fault, a body that is not XML or not a SOAP envelope, or a value of the
// wrong type make the call raise an error.
SoapCallResult readAnswer(const SoapOperation& operation, const QByteArray& body, SoapHeaderHandler* headers,
                          QVariantList& arguments);

// The faultstring when the body is a SOAP envelope with a fault; nullopt otherwise.
std::optional<QString> readFault(const QByteArray& body);

} // namespace SoapResponseReader

} // namespace kitbench
