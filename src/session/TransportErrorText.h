#pragma once

#include <QString>

namespace kitbench {

// The text a failed server call shows, in the language pack's words: the connector reports what
// went wrong as an error type (network or HTTP), a code (QNetworkReply::NetworkError or the HTTP
// status) and the network library's own description. Causes a user can act on get a pack text;
// anything else keeps the description.
QString transportErrorText(int type, int code, const QString& description);

} // namespace kitbench
