#include "session/SoapSession.h"

#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/SoapClient.h"
#include "platform/soap/SoapConnector.h"
#include "session/ReadOnlyMethods.h"
#include "session/ServerAddress.h"
#include "session/SoapOutcome.h"
#include "session/SoapProgressSink.h"
#include "session/TransportErrorText.h"
#include "shell/TextCatalogue.h"

namespace kitbench {

namespace {
// Where the service address goes in the service description of the language pack.
const QString kAddressPlaceholder = QStringLiteral("<%=OrvProjectWSDLURL%>");
} // namespace

SoapSession::SoapSession(bool* cancelRequested)
    : CancelRequested(cancelRequested ? *cancelRequested : m_ownCancelFlag)
{
}

SoapSession::~SoapSession() = default;

bool SoapSession::InitSoapClient(const SoapLogin& login)
{
    if (login.login.trimmed().isEmpty() || login.password.trimmed().isEmpty()) {
        showMessage(5001);
        return false;
    }
    // A changed login, password, secure connection or proxy takes effect with the new client.
    m_client.reset();
    m_header.reset();
    m_client = std::make_unique<SoapClient>();
    SoapErrorText.clear();
    m_setupError.clear();

    // The description comes from the language pack, not from the server: connecting asks nothing.
    const QString address =
        BuildPortalUrl(login.login, QStringLiteral("/WebServices/OrvProject.asmx?WSDL"), login.useSsl);
    QString lastPiece = GetLocalizedText(9003);
    lastPiece.replace(kAddressPlaceholder, address);
    const QString description = GetLocalizedText(9001) + GetLocalizedText(9002) + lastPiece;

    bool ok = m_client->init(description, &m_setupError);
    m_client->setReadOnlyMethods(readOnlyServiceMethods());
    if (ok) {
        SoapConnector& connector = m_client->connector();
        connector.setTimeout(0);
        connector.setCallback(this);
        m_callback = this;
        SoapConnector::Proxy proxy;
        if (login.useProxy) {
            proxy.mode = login.proxyFromBrowser ? SoapConnector::Proxy::Mode::System
                                                : SoapConnector::Proxy::Mode::Explicit;
            proxy.server = login.proxyServer;
            proxy.user = login.proxyUser;
            proxy.password = login.proxyPassword;
        }
        ok = connector.setProxy(proxy, &m_setupError);
    }
    if (!ok) {
        m_client.reset();
        MessageService::instance().show(Message::fromId(login.useSsl ? 5002 : 5004)
                                            .append(ParseLoginLeaveDots(login.login))
                                            .appendId(5003));
        return false;
    }

    m_header = std::make_unique<OrvProjectSoapClient>();
    m_client->setHeaderHandler(m_header.get());
    m_header->UserName = login.login;
    m_header->UserPass = login.password;
    return true;
}

SoapCallResult SoapSession::call(const QString& method, QVariantList& arguments)
{
    if (!m_client) {
        SoapCallResult result;
        result.status = SoapCallResult::Status::Raised;
        result.errorText = QStringLiteral("There is no connection to the server.");
        return result;
    }
    // Nothing of this session may be touched after the call: it may have been destroyed meanwhile.
    return m_client->call(method, arguments);
}

SoapCallResult SoapSession::call(const QString& method)
{
    QVariantList none;
    return call(method, none);
}

bool SoapSession::CheckSoapOutcome(const SoapCallResult& result)
{
    return kitbench::CheckSoapOutcome(result, SoapErrorText, m_header.get());
}

void SoapSession::setCallback(IAsyncSOAPCall* callback)
{
    m_callback = callback ? callback : this;
    if (m_client)
        m_client->connector().setCallback(m_callback);
}

void SoapSession::IAsyncSOAPCall_OnProgress(int progress, bool& cancel)
{
    // Each call fills its own block of 4 on a bar that spans all calls of the step.
    if (m_progress && m_progress->progressVisible())
        m_progress->setProgressValue(m_progress->progressValue() / 4 * 4 + progress);
    if (progress != 4) {
        SoapErrorText.clear();
        cancel = CancelRequested;
    }
}

void SoapSession::IAsyncSOAPCall_OnError(int type, int code, const QString& description)
{
    SoapErrorText = CancelRequested ? GetLocalizedText(5035) : transportErrorText(type, code, description);
    CancelRequested = false;
}

} // namespace kitbench
