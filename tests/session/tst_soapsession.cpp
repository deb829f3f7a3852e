#include "TempSettings.h"

#include "ProgressBarFake.h"
#include "platform/Message.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/SoapClient.h"
#include "platform/soap/SoapConnector.h"
#include "session/ServerAddress.h"
#include "session/SoapOutcome.h"
#include "session/SoapProgressSink.h"
#include "session/SoapSession.h"
#include "shell/TextCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kitbench;

namespace {

class OtherCallback : public IAsyncSOAPCall
{
public:
    void IAsyncSOAPCall_OnProgress(int, bool&) override {}
    void IAsyncSOAPCall_OnError(int, int, const QString&) override {}
};

SoapLogin loginOf(const QString& login, const QString& password)
{
    SoapLogin values;
    values.login = login;
    values.password = password;
    return values;
}
} // namespace

class TestSoapSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void blankLoginOrPassword_data();
    void blankLoginOrPassword();
    void setUpFailure_data();
    void setUpFailure();
    void freshClientAtEveryConnect();
    void serviceDescriptionTexts_data();
    void serviceDescriptionTexts();
    void progress_data();
    void progress();
    void transportErrors();
    void callbackRedirection();
    void standardCheck_data();
    void standardCheck();

private:
    std::unique_ptr<TempSettings> m_settings;
};

void TestSoapSession::init()
{
    m_settings = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    MessageService::instance().clearHistory();
}

void TestSoapSession::cleanup()
{
    m_settings.reset();
    ForgetLanguagePack();
}

void TestSoapSession::blankLoginOrPassword_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::newRow("empty login") << ""
                                 << "x";
    QTest::newRow("blank login") << "   "
                                 << "x";
    QTest::newRow("blank password") << "admin@host"
                                    << " \t ";
}

void TestSoapSession::blankLoginOrPassword()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    SoapSession session;
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QVERIFY(!session.InitSoapClient(loginOf(login, password)));
    QCOMPARE(MessageService::instance().history().size(), 1);
    QCOMPARE(MessageService::instance().history().first().textId, 5001);
    QVERIFY(!session.soapclient());
}

void TestSoapSession::setUpFailure_data()
{
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<QString>("proxyServer");
    QTest::addColumn<int>("firstText");
    QTest::newRow("proxy port out of range") << false << "proxy.example:99999" << 5004;
    QTest::newRow("no proxy host, secure connection") << true << "" << 5002;
    QTest::newRow("port that is no number") << false << "proxy:80a" << 5004;
}

void TestSoapSession::setUpFailure()
{
    QFETCH(bool, ssl);
    QFETCH(QString, proxyServer);
    QFETCH(int, firstText);
    SoapSession session;
    SoapLogin login = loginOf(QStringLiteral("jo@srv.example:81"), QStringLiteral("pw"));
    login.useSsl = ssl;
    login.useProxy = true;
    login.proxyFromBrowser = false;
    login.proxyServer = proxyServer;
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QVERIFY(!session.InitSoapClient(login));
    QCOMPARE(MessageService::instance().history().size(), 1);
    const Message shown = MessageService::instance().history().first();
    QCOMPARE(shown.textId, firstText);
    QCOMPARE(shown.text,
             GetLocalizedText(firstText) + QStringLiteral("srv.example:81") + GetLocalizedText(5003));
    QVERIFY(!session.setupError().isEmpty());
}

void TestSoapSession::freshClientAtEveryConnect()
{
    SoapSession session;
    SoapLogin login = loginOf(QStringLiteral(" jo@srv.example:81"), QStringLiteral(" pw "));
    login.useSsl = true;
    login.useProxy = true; // from the browser: the system's settings
    QVERIFY(session.InitSoapClient(login));
    QVERIFY(MessageService::instance().history().isEmpty());
    // Untrimmed, "@" and server part included.
    QCOMPARE(session.soapheader()->UserName, login.login);
    QCOMPARE(session.soapheader()->UserPass, login.password);
    QCOMPARE(session.soapheader()->ServerErrorMessage, QString());
    QCOMPARE(session.soapclient()->description()->location(),
             BuildPortalUrl(login.login, QStringLiteral("/WebServices/OrvProject.asmx?WSDL"), true));
    QCOMPARE(session.soapclient()->connector().callback(), static_cast<IAsyncSOAPCall*>(&session));
    QCOMPARE(session.soapclient()->headerHandler(), session.soapheader());

    session.soapheader()->ServerErrorMessage = QStringLiteral("OK");
    session.SoapErrorText = QStringLiteral("old transport error");
    QVERIFY(session.InitSoapClient(loginOf(QStringLiteral("pm@other"), QStringLiteral("pm"))));
    QCOMPARE(session.soapheader()->UserName, QStringLiteral("pm@other"));
    QCOMPARE(session.soapheader()->ServerErrorMessage, QString());
    QCOMPARE(session.SoapErrorText, QString());
    QCOMPARE(session.soapclient()->description()->location(),
             QStringLiteral("http://other/portals/other/WebServices/OrvProject.asmx?WSDL"));
}

void TestSoapSession::serviceDescriptionTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("built-in English") << "";
    QTest::newRow("German pack") << "de";
}

void TestSoapSession::serviceDescriptionTexts()
{
    QFETCH(QString, language);
    TempSettings::setLanguage(QSettings::UserScope, language);
    ForgetLanguagePack();
    QFile file(QStringLiteral(KITBENCH_CONTRACT));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString expected = QString::fromUtf8(file.readAll());
    expected.replace(QRegularExpression(QStringLiteral("(<soap(?:12)?:address location=\")[^\"]*\"")),
                     QStringLiteral("\\1<%=OrvProjectWSDLURL%>\""));
    const QString placeholder = QStringLiteral("<%=OrvProjectWSDLURL%>");
    QVERIFY(!GetLocalizedText(9001).isEmpty());
    QVERIFY(!GetLocalizedText(9002).isEmpty());
    QVERIFY(!GetLocalizedText(9001).contains(placeholder));
    QVERIFY(!GetLocalizedText(9002).contains(placeholder));
    QCOMPARE(GetLocalizedText(9003).count(placeholder), 2);
    QCOMPARE(GetLocalizedText(9001) + GetLocalizedText(9002) + GetLocalizedText(9003), expected);
}

void TestSoapSession::progress_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("cancelRequested");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("errorTextCleared");
    QTest::newRow("first call, step 1") << true << 0 << 1 << false << 1 << false << true;
    QTest::newRow("step 3 after 2") << true << 2 << 3 << false << 3 << false << true;
    QTest::newRow("second call starts its own block") << true << 4 << 1 << false << 5 << false << true;
    QTest::newRow("rounded down, then the step") << true << 7 << 2 << false << 6 << false << true;
    QTest::newRow("step 4 completes the block") << true << 11 << 4 << false << 12 << false << false;
    QTest::newRow("cancel is handed over") << true << 1 << 2 << true << 2 << true << true;
    QTest::newRow("cancel after the last step has no effect")
        << true << 3 << 4 << true << 4 << false << false;
    QTest::newRow("hidden bar is not touched") << false << 5 << 3 << false << 5 << false << true;
}

void TestSoapSession::progress()
{
    QFETCH(bool, visible);
    QFETCH(int, before);
    QFETCH(int, step);
    QFETCH(bool, cancelRequested);
    QFETCH(int, after);
    QFETCH(bool, cancel);
    QFETCH(bool, errorTextCleared);
    bool windowFlag = cancelRequested;
    SoapSession session(&windowFlag);
    ProgressBar bar;
    bar.visible = visible;
    bar.value = before;
    session.setProgressSink(&bar);
    session.SoapErrorText = QStringLiteral("stale");
    bool handedCancel = false;
    session.IAsyncSOAPCall_OnProgress(step, handedCancel);
    QCOMPARE(bar.value, after);
    QCOMPARE(handedCancel, cancel);
    QCOMPARE(session.SoapErrorText.isEmpty(), errorTextCleared);
    QCOMPARE(windowFlag, cancelRequested); // only an error report clears it
}

void TestSoapSession::transportErrors()
{
    bool windowFlag = false;
    SoapSession session(&windowFlag);
    // The network library's English words give way to the pack's; what it cannot name stays as it is.
    session.IAsyncSOAPCall_OnError(SoapConnector::NetworkError, 1, QStringLiteral("Connection refused"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(9700));
    session.IAsyncSOAPCall_OnError(SoapConnector::NetworkError, 3, QStringLiteral("Host x not found"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(9702));
    session.IAsyncSOAPCall_OnError(SoapConnector::NetworkError, 6, QStringLiteral("self-signed"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(9704) + QStringLiteral(" (self-signed)"));
    session.IAsyncSOAPCall_OnError(SoapConnector::NetworkError, 105, QStringLiteral("proxy"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(9707));
    session.IAsyncSOAPCall_OnError(SoapConnector::HttpError, 503, QStringLiteral("x (HTTP status 503)"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(9708) + QStringLiteral("503"));
    session.IAsyncSOAPCall_OnError(SoapConnector::NetworkError, 302, QStringLiteral("Protocol failure"));
    QCOMPARE(session.SoapErrorText, QStringLiteral("Protocol failure"));
    windowFlag = true;
    session.IAsyncSOAPCall_OnError(SoapConnector::CancelledError, 0, QStringLiteral("cancelled"));
    QCOMPARE(session.SoapErrorText, GetLocalizedText(5035));
    QVERIFY(!windowFlag);
    QVERIFY(!session.CancelRequested);
}

void TestSoapSession::callbackRedirection()
{
    SoapSession session;
    QVERIFY(session.InitSoapClient(loginOf(QStringLiteral("a@h"), QStringLiteral("p"))));
    OtherCallback dialog;
    session.setCallback(&dialog);
    QCOMPARE(session.soapclient()->connector().callback(), static_cast<IAsyncSOAPCall*>(&dialog));
    session.restoreCallback();
    QCOMPARE(session.soapclient()->connector().callback(), static_cast<IAsyncSOAPCall*>(&session));
    QCOMPARE(session.callback(), static_cast<IAsyncSOAPCall*>(&session));
}

void TestSoapSession::standardCheck_data()
{
    using Status = SoapCallResult::Status;
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<QString>("serverMessage");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("textId");
    QTest::addColumn<QString>("shownAfterText");
    QTest::newRow("answer with OK") << int(Status::Ok) << ""
                                    << "OK" << true << -1 << "";
    QTest::newRow("fault: raised without transport text") << int(Status::Raised) << ""
                                                          << "OK" << false << 5005 << "";
    QTest::newRow("transport text") << int(Status::Transport) << "Connection refused"
                                    << "OK" << false << 0 << "Connection refused";
    QTest::newRow("raised with a stored transport text") << int(Status::Raised) << "Host not found"
                                                         << "" << false << 0 << "Host not found";
    QTest::newRow("header in other case") << int(Status::Ok) << ""
                                          << "ok" << false << 5009 << "ok";
    QTest::newRow("server's refusal") << int(Status::Ok) << ""
                                      << "Access denied" << false << 5009 << "Access denied";
    QTest::newRow("no header yet") << int(Status::Ok) << ""
                                   << "" << false << 5009 << "";
}

void TestSoapSession::standardCheck()
{
    QFETCH(int, status);
    QFETCH(QString, errorText);
    QFETCH(QString, serverMessage);
    QFETCH(bool, succeeds);
    QFETCH(int, textId);
    QFETCH(QString, shownAfterText);
    SoapCallResult result;
    result.status = SoapCallResult::Status(status);
    OrvProjectSoapClient header;
    header.ServerErrorMessage = serverMessage;
    QString soapErrorText = errorText;
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QCOMPARE(CheckSoapOutcome(result, soapErrorText, &header), succeeds);
    const QList<Message>& shown = MessageService::instance().history();
    if (textId < 0) {
        QVERIFY(shown.isEmpty());
        return;
    }
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().textId, textId);
    const QString expectedText = (textId > 0 ? GetLocalizedText(textId) : QString()) + shownAfterText;
    QCOMPARE(shown.first().text, expectedText);
    if (textId == 5005)
        QCOMPARE(soapErrorText, GetLocalizedText(5005));
}

QTEST_GUILESS_MAIN(TestSoapSession)
#include "tst_soapsession.moc"
