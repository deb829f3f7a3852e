#pragma once

#include <stdexcept>
#include <string>

namespace orvdev {

// A request the service refuses. httpStatus 400 and 415 go out with an empty body; 500 carries a
// SOAP fault with faultCode ("soap:Client", "soap:Server", ...) and faultString.
class SoapError : public std::runtime_error
{
public:
    SoapError(int httpStatus, std::string faultCode, std::string faultString)
        : std::runtime_error(faultString), m_httpStatus(httpStatus), m_faultCode(std::move(faultCode)),
          m_faultString(std::move(faultString))
    {
    }

    static SoapError badRequest(const std::string& why) { return SoapError(400, "", why); }
    static SoapError unsupportedMediaType(const std::string& why) { return SoapError(415, "", why); }
    static SoapError client(const std::string& text) { return SoapError(500, "soap:Client", text); }
    static SoapError server(const std::string& text) { return SoapError(500, "soap:Server", text); }

    int httpStatus() const { return m_httpStatus; }
    const std::string& faultCode() const { return m_faultCode; }
    const std::string& faultString() const { return m_faultString; }
    bool hasBody() const { return m_httpStatus == 500; }

private:
    int m_httpStatus;
    std::string m_faultCode;
    std::string m_faultString;
};

} // namespace orvdev
