#pragma once

#include "platform/soap/IAsyncSOAPCall.h"
#include "platform/soap/SoapCallResult.h"

#include <QString>
#include <QVariantList>

#include <memory>

namespace kitbench {

class OrvProjectSoapClient;
class SoapClient;
class SoapProgressSink;

// What the connection page says about the server connection.
struct SoapLogin
{
    QString login; // user name "@" server part, untrimmed
    QString password;
    bool useSsl = false;
    bool useProxy = false;
    bool proxyFromBrowser = true; // else the proxy below
    QString proxyServer;          // "host:port"
    QString proxyUser;
    QString proxyPassword;
};

// The wizard's connection to the server: the SOAP client with its header handler, rebuilt at every
// connect, and the callbacks through which running calls report progress and transport errors.
class SoapSession : public IAsyncSOAPCall
{
public:
    // `cancelRequested` is the window's cancel flag when given; the session keeps its own otherwise.
    explicit SoapSession(bool* cancelRequested = nullptr);
    ~SoapSession() override;

    // Builds a fresh client and header handler for the login. Shows text 5001 for a blank login or
    // password, and 5002 (secure connection) or 5004, the server part and 5003 when set-up fails.
    bool InitSoapClient(const SoapLogin& login);

    // A call through the current client; raises an error when there is none.
    SoapCallResult call(const QString& method, QVariantList& arguments);
    SoapCallResult call(const QString& method);
    // The standard check with this session's error text and header handler.
    bool CheckSoapOutcome(const SoapCallResult& result);

    // For dialogs that call the server: they use these and never build their own.
    SoapClient* soapclient() const { return m_client.get(); }
    OrvProjectSoapClient* soapheader() const { return m_header.get(); }
    // Why the last InitSoapClient failed, for diagnostics (the user sees 5002/5004).
    QString setupError() const { return m_setupError; }

    // Where running calls report: this session, or a dialog while it is shown. Restore afterwards.
    void setCallback(IAsyncSOAPCall* callback);
    void restoreCallback() { setCallback(this); }
    IAsyncSOAPCall* callback() const { return m_callback; }
    void setProgressSink(SoapProgressSink* sink) { m_progress = sink; }

    void IAsyncSOAPCall_OnProgress(int progress, bool& cancel) override;
    void IAsyncSOAPCall_OnError(int type, int code, const QString& description) override;

    QString SoapErrorText; // text of the last transport error; "" when none
    bool& CancelRequested;

private:
    bool m_ownCancelFlag = false;
    std::unique_ptr<OrvProjectSoapClient> m_header; // declared first: the client refers to it
    std::unique_ptr<SoapClient> m_client;
    IAsyncSOAPCall* m_callback = this;
    SoapProgressSink* m_progress = nullptr;
    QString m_setupError;
};

} // namespace kitbench
