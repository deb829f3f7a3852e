#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;

namespace kitbench {

class IAsyncSOAPCall;

// Carries SOAP requests over HTTP(S): one network manager per connector, so the calls of a session
// reuse one kept-alive connection. A call blocks its caller and keeps the window alive meanwhile.
// A request that changes the server goes out at most once: on a fresh connection (a kept-alive one
// may have been closed by the server while the user paused) and never sent again by the network
// layer; if the connection drops after it was sent, the call fails with a transport error.
class SoapConnector : public QObject
{
    Q_OBJECT
public:
    enum ErrorType
    {
        NetworkError = 1,
        HttpError = 2,
        CancelledError = 3
    };

    struct Proxy
    {
        enum class Mode
        {
            None,
            System,
            Explicit
        };
        Mode mode = Mode::None;
        QString server; // "host:port" for Explicit
        QString user;
        QString password;
    };

    struct Reply
    {
        enum class Outcome
        {
            Answered,
            TransportError,
            Cancelled,
            Refused
        };
        Outcome outcome = Outcome::Answered;
        int httpStatus = 0;
        QByteArray body;
        QString description;    // why it failed, readable
        bool ownerGone = false; // the connector was destroyed during the call: touch nothing of it
    };

    enum class Delivery
    {
        Repeatable, // reads only: the kept-alive connection, resent by the network layer if it closed
        AtMostOnce  // may change the server: a fresh connection, never resent
    };

    explicit SoapConnector(QObject* parent = nullptr);
    ~SoapConnector() override;

    // 0 means no limit, which is what the wizard uses: a large project may take long to answer.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // False, with the reason in `error`, when an explicit proxy server cannot be understood.
    bool setProxy(const Proxy& proxy, QString* error);

    void setCallback(IAsyncSOAPCall* callback) { m_callback = callback; }
    IAsyncSOAPCall* callback() const { return m_callback; }

    // Posts the request and waits for the answer in a local event loop. Calls do not nest: a call made
    // while another one waits (from any connector) is refused at once.
    Reply post(const QUrl& url, const QByteArray& soapAction, const QByteArray& body,
               Delivery delivery = Delivery::AtMostOnce);

    static bool callRunning();

private:
    struct ActiveCall;
    bool advance(ActiveCall& call, int step);

    QNetworkAccessManager* m_manager;
    IAsyncSOAPCall* m_callback = nullptr;
    int m_timeoutMs = 0;
    ActiveCall* m_active = nullptr;
};

// Sets a network manager's proxy: none, the system's settings, or an explicit "host:port" (port 80 when
// left out). False, with the reason in `error`, when the explicit server cannot be understood.
bool applyProxy(QNetworkAccessManager& manager, const SoapConnector::Proxy& proxy, QString* error);

} // namespace kitbench
