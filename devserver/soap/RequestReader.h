#pragma once

#include "soap/ServiceContract.h"
#include "soap/SoapError.h"
#include "soap/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace orvdev {

struct SoapRequest
{
    const Operation* operation = nullptr;
    std::optional<std::string> userName; // null when the header lacked the element
    std::optional<std::string> userPassword;
    std::vector<Value> arguments;      // one per contract parameter, in contract order
    std::vector<std::string> warnings; // things the real service ignores silently
};

// Reads one SOAP 1.1 request the way an ASP.NET web service does, and throws SoapError with the
// answer that service would give for anything it refuses.
class RequestReader
{
public:
    explicit RequestReader(const ServiceContract& contract) : m_contract(contract) {}

    // The method the SOAPAction header names (throws the "did not recognize" fault).
    const Operation& operationFor(const std::optional<std::string>& soapAction) const;
    // Throws the 415 error unless the content type is text/xml.
    static void checkContentType(const std::string& contentType);
    SoapRequest read(const Operation& operation, const std::string& body) const;

private:
    const ServiceContract& m_contract;
};

} // namespace orvdev
