#include "platform/soap/SoapConnector.h"

#include "platform/NetworkActivity.h"
#include "platform/SendOnceBody.h"
#include "platform/TrustStore.h"
#include "platform/soap/IAsyncSOAPCall.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QTimer>

namespace kitbench {

namespace {
// Only one call may wait at a time in the whole program: a nested wait would return out of order.
bool s_callRunning = false;

// While a call waits, its last step is repeated at this pace so that a cancel is seen even when the
// server is silent.
constexpr int kHeartbeatMs = 100;

// "The browser's settings": asks the system for every request, so a PAC or per-host rule applies.
class SystemProxyFactory : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        return QNetworkProxyFactory::systemProxyForQuery(query);
    }
};
} // namespace

struct SoapConnector::ActiveCall
{
    QEventLoop loop;
    QNetworkReply* reply = nullptr;
    int step = 0;
    bool headersReceived = false;
    bool finished = false;
    bool cancelled = false;
    bool ownerGone = false;
    QStringList tlsErrors;
};

SoapConnector::SoapConnector(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

SoapConnector::~SoapConnector()
{
    // Destroyed while a call waits (the window was closed): end the wait; the call returns as
    // cancelled without touching this object again.
    if (m_active) {
        m_active->ownerGone = true;
        if (m_active->reply) {
            m_active->reply->disconnect(this);
            m_active->reply->abort();
        }
        m_active->loop.quit();
    }
}

bool SoapConnector::callRunning()
{
    return s_callRunning;
}

bool applyProxy(QNetworkAccessManager& manager, const SoapConnector::Proxy& proxy, QString* error)
{
    switch (proxy.mode) {
    case SoapConnector::Proxy::Mode::None:
        manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return true;
    case SoapConnector::Proxy::Mode::System:
        manager.setProxyFactory(new SystemProxyFactory); // the manager owns the factory
        return true;
    case SoapConnector::Proxy::Mode::Explicit:
        break;
    }
    // "host:port", as proxy settings are usually written; a scheme in front is tolerated.
    QString server = proxy.server.trimmed();
    if (server.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        server = server.mid(7);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    const qsizetype colon = server.lastIndexOf(QLatin1Char(':'));
    const QString host = colon < 0 ? server : server.left(colon);
    quint16 port = 80; // a proxy given without port answers on the HTTP port
    if (colon >= 0) {
        bool ok = false;
        const uint number = server.mid(colon + 1).toUInt(&ok);
        if (!ok || number == 0 || number > 65535) {
            *error = QStringLiteral("The proxy server %1 has no valid port.").arg(proxy.server);
            return false;
        }
        port = quint16(number);
    }
    if (host.isEmpty() || host.contains(QLatin1Char(' '))) {
        *error = QStringLiteral("The proxy server \"%1\" is not a host name.").arg(proxy.server);
        return false;
    }
    manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, port, proxy.user, proxy.password));
    return true;
}

bool SoapConnector::setProxy(const Proxy& proxy, QString* error)
{
    return applyProxy(*m_manager, proxy, error);
}

// Reports a step; true when the caller should go on, false when the call was cancelled or the
// connector went away inside the callback.
bool SoapConnector::advance(ActiveCall& call, int step)
{
    call.step = std::max(call.step, step);
    if (!m_callback)
        return true;
    bool cancel = false;
    QPointer<SoapConnector> alive(this);
    m_callback->IAsyncSOAPCall_OnProgress(step, cancel);
    if (!alive || call.ownerGone)
        return false;
    if (cancel && step != 4 && !call.cancelled) {
        call.cancelled = true;
        if (call.reply && !call.reply->isFinished())
            call.reply->abort();
        call.loop.quit();
    }
    return !call.cancelled;
}

SoapConnector::Reply SoapConnector::post(const QUrl& url, const QByteArray& soapAction,
                                         const QByteArray& body, Delivery delivery)
{
    Reply outcome;
    if (s_callRunning) {
        outcome.outcome = Reply::Outcome::Refused;
        outcome.description = QStringLiteral("Another server call is still running; calls cannot overlap.");
        return outcome;
    }
    s_callRunning = true;
    NetworkActivity::begin();
    const struct Release
    {
        ~Release()
        {
            s_callRunning = false;
            NetworkActivity::end();
        }
    } release;

    if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
        TrustStore::prepareSecureConnection();
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
    request.setRawHeader(QByteArrayLiteral("SOAPAction"), soapAction);
    // HTTP/1.1 with keep-alive, as the service expects; no transfer limit unless one was set.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setTransferTimeout(m_timeoutMs);
    // Qt refuses gzip answers above 10 MB that shrank more than 40 times as a decompression bomb;
    // a plan echoed by ImportMsProjectStep1 is both, and comes from the server we chose to trust.
    request.setDecompressedSafetyCheckThreshold(-1);

    ActiveCall call;
    m_active = &call;
    QNetworkReply* reply = nullptr;
    if (delivery == Delivery::AtMostOnce) {
        // Dropping the idle connections makes this request open a new one; the body cannot be
        // rewound, so the network layer cannot send it a second time.
        m_manager->clearConnectionCache();
        auto* once = new SendOnceBody(body);
        once->open(QIODevice::ReadOnly);
        request.setHeader(QNetworkRequest::ContentLengthHeader, once->totalSize());
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        reply = m_manager->post(request, once);
        once->setParent(reply);
    } else {
        reply = m_manager->post(request, body);
    }
    call.reply = reply;
    connect(reply, &QNetworkReply::uploadProgress, this, [] { NetworkActivity::progressed(); });
    connect(reply, &QNetworkReply::downloadProgress, this, [] { NetworkActivity::progressed(); });
    // TLS errors are never ignored; they are collected only to say what was wrong.
    connect(reply, &QNetworkReply::sslErrors, this, [&call](const QList<QSslError>& errors) {
        for (const QSslError& error : errors)
            call.tlsErrors.append(error.errorString());
    });
    // Callbacks are never made from inside the reply's own signals: a callback may end the call or
    // destroy this connector, and with it the reply that is emitting.
    connect(reply, &QNetworkReply::metaDataChanged, this, [&call] { call.headersReceived = true; });
    connect(reply, &QNetworkReply::finished, this, [&call] {
        call.finished = true;
        call.loop.quit();
    });
    QTimer heartbeat;
    heartbeat.setInterval(kHeartbeatMs);
    connect(&heartbeat, &QTimer::timeout, this, [this, &call] {
        if (call.step < 4)
            advance(call, call.headersReceived ? std::max(call.step, 2) : call.step);
    });

    if (advance(call, 1)) {
        heartbeat.start();
        if (!call.finished && !call.cancelled)
            call.loop.exec();
        heartbeat.stop();
    }
    if (call.ownerGone) {
        outcome.outcome = Reply::Outcome::Cancelled;
        outcome.ownerGone = true;
        return outcome; // `this` is gone; so are the manager and the reply
    }
    m_active = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    outcome.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An answer is anything the server said in full, error statuses included; errors below HTTP
    // (refused, reset, TLS, proxy) and empty error answers are transport failures.
    const int error = int(reply->error());
    const bool httpLevel =
        error == QNetworkReply::NoError || (error >= 201 && error < 300) || (error >= 401 && error < 500);
    if (!call.cancelled && httpLevel && outcome.httpStatus > 0)
        outcome.body = reply->readAll();
    if (!call.cancelled && httpLevel && outcome.httpStatus > 0 &&
        !(outcome.body.isEmpty() && outcome.httpStatus >= 400)) {
        // The remaining steps, each still able to cancel until the last.
        QPointer<SoapConnector> alive(this);
        const bool completed = (call.step >= 2 || advance(call, 2)) && advance(call, 3) && advance(call, 4);
        if (!alive) {
            outcome.outcome = Reply::Outcome::Cancelled;
            outcome.ownerGone = true;
            return outcome;
        }
        if (completed)
            return outcome;
    }

    int type = NetworkError;
    int code = error;
    if (call.cancelled) {
        outcome.outcome = Reply::Outcome::Cancelled;
        outcome.description = QStringLiteral("The server call was cancelled.");
        type = CancelledError;
        code = 0;
    } else {
        outcome.outcome = Reply::Outcome::TransportError;
        // The network layer wanted to send the request again, which a body sent once refuses.
        outcome.description = reply->error() == QNetworkReply::ContentReSendError
                                  ? QStringLiteral("The connection to the server was closed before its "
                                                   "answer arrived; the request is not sent again.")
                                  : reply->errorString();
        for (const QString& tlsError : std::as_const(call.tlsErrors)) {
            if (!outcome.description.contains(tlsError))
                outcome.description += QStringLiteral(" (%1)").arg(tlsError);
        }
        if (outcome.httpStatus > 0) {
            outcome.description += QStringLiteral(" (HTTP status %1)").arg(outcome.httpStatus);
            type = HttpError;
            code = outcome.httpStatus;
        }
        if (outcome.description.trimmed().isEmpty())
            outcome.description = QStringLiteral("The connection to the server failed.");
    }
    if (m_callback)
        m_callback->IAsyncSOAPCall_OnError(type, code, outcome.description);
    return outcome;
}

} // namespace kitbench
