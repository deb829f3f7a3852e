#pragma once

#include "platform/soap/SoapCallResult.h"

#include <QString>

namespace kitbench {

class OrvProjectSoapClient;

// The check that follows every server call; true when the call succeeded and its result may be used.
// A failed call shows exactly one message: the transport error text (`soapErrorText`, set by the
// OnError callback), text 5005 for an error without such text, or text 5009 followed by the server's
// header text when that is not exactly "OK". Dialogs pass their own error text.
bool CheckSoapOutcome(const SoapCallResult& result, QString& soapErrorText,
                      const OrvProjectSoapClient* header);

} // namespace kitbench
