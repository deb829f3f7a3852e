#include "session/SoapOutcome.h"

#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "shell/TextCatalogue.h"

namespace kitbench {

bool CheckSoapOutcome(const SoapCallResult& result, QString& soapErrorText,
                      const OrvProjectSoapClient* header)
{
    MessageService& messages = MessageService::instance();
    if (result.raisedError() && soapErrorText.isEmpty()) {
        soapErrorText = GetLocalizedText(5005);
        messages.show(Message::fromId(5005));
        return false;
    }
    if (!soapErrorText.isEmpty()) {
        // The cancel and too-large texts come from the pack; a transport description does not.
        if (soapErrorText == GetLocalizedText(5035))
            messages.show(Message::fromId(5035));
        else if (soapErrorText == GetLocalizedText(9500))
            messages.show(Message::fromId(9500));
        else
            messages.show(Message::fromText(soapErrorText));
        return false;
    }
    const QString serverText = header ? header->ServerErrorMessage : QString();
    if (serverText != QLatin1String("OK")) {
        messages.show(Message::fromId(5009).append(serverText));
        return false;
    }
    return true;
}

} // namespace kitbench
