#include "session/TransportErrorText.h"

#include "platform/soap/SoapConnector.h"
#include "shell/TextCatalogue.h"

#include <QNetworkReply>

namespace kitbench {

namespace {

int textIdOfNetworkError(int code)
{
    switch (static_cast<QNetworkReply::NetworkError>(code)) {
    case QNetworkReply::ConnectionRefusedError:
        return 9700;
    case QNetworkReply::RemoteHostClosedError:
        return 9701;
    case QNetworkReply::HostNotFoundError:
        return 9702;
    case QNetworkReply::TimeoutError:
        return 9703;
    case QNetworkReply::SslHandshakeFailedError:
        return 9704;
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return 9705;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return 9706;
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return 9707;
    default:
        return 0;
    }
}

} // namespace

QString transportErrorText(int type, int code, const QString& description)
{
    if (type == SoapConnector::HttpError) {
        // A 413 comes with no body; the server refused the request for its size, which the user can act on.
        if (code == 413)
            return GetLocalizedText(9500);
        return GetLocalizedText(9708) + QString::number(code);
    }
    const int id = type == SoapConnector::NetworkError ? textIdOfNetworkError(code) : 0;
    if (!id)
        return description;
    // A refused certificate is named in the description: the user needs it to decide what to do.
    if (code == QNetworkReply::SslHandshakeFailedError && !description.isEmpty())
        return GetLocalizedText(id) + QStringLiteral(" (") + description + QLatin1Char(')');
    return GetLocalizedText(id);
}

} // namespace kitbench
