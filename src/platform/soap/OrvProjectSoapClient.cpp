#include "platform/soap/OrvProjectSoapClient.h"

#include "platform/soap/XmlNames.h"

namespace kitbench {

bool OrvProjectSoapClient::ReadHeader(const pugi::xml_node& header)
{
    ServerErrorMessage = XmlNames::textContent(header);
    return true;
}

bool OrvProjectSoapClient::WillWriteHeaders()
{
    return true;
}

void OrvProjectSoapClient::WriteHeaders(SoapHeaderWriter& writer)
{
    writer.startHeaderElement(QStringLiteral("Authenticator"));
    writer.startElement(QStringLiteral("userName"));
    writer.writeString(UserName);
    writer.endElement();
    writer.startElement(QStringLiteral("userPassword"));
    writer.writeString(UserPass);
    writer.endElement();
    writer.endHeaderElement();
}

} // namespace kitbench
