#pragma once

#include "platform/soap/SoapHeaderHandler.h"

#include <QString>

namespace kitbench {

// The header handler of the Orvello service: sends the credentials in an "Authenticator" header
// with every request and keeps the text of the last header the server answered with ("OK", or the
// server's reason for refusing the call).
class OrvProjectSoapClient : public SoapHeaderHandler
{
public:
    QString UserName; // the whole login, "@" and server part included
    QString UserPass;
    QString ServerErrorMessage;

    // Keeps all text inside the header element; a response without header leaves the last value.
    bool ReadHeader(const pugi::xml_node& header) override;
    bool WillWriteHeaders() override;
    // <Authenticator><userName>..</userName><userPassword>..</userPassword></Authenticator>
    void WriteHeaders(SoapHeaderWriter& writer) override;
};

} // namespace kitbench
