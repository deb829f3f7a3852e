// The server session: the client it sets up at every connect, the progress bar, the texts a failed call
// shows, and its calls against a scripted server speaking the real contract.
#include "ScriptedServer.h"
#include "SoapAnswers.h"
#include "TempSettings.h"

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
// The wizard's progress bar as the session sees it, remembering what it was set to.
class ProgressBar : public SoapProgressSink
{
public:
    bool progressVisible() const override { return visible; }
    int progressValue() const override { return value; }
    void setProgressValue(int newValue) override { value = newValue; }
    bool visible = true;
    int value = 0;
};

SoapLogin loginOf(const QString& login, const QString& password)
{
    SoapLogin values;
    values.login = login;
    values.password = password;
    return values;
}

QString shownTexts()
{
    QStringList texts;
    for (const Message& message : MessageService::instance().history())
        texts << QString::number(message.textId) + ' ' + message.text;
    return texts.join('\n');
}
} // namespace

class TestSoapSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void refusedSetUp_data();
    void refusedSetUp();
    void freshClientAtEveryConnect();
    void callsAgainstTheContract();
    void serviceDescriptionTexts_data();
    void serviceDescriptionTexts();
    void progress_data();
    void progress();
    void transportErrors_data();
    void transportErrors();
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

void TestSoapSession::refusedSetUp_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<QString>("proxyServer"); // a proxy given by hand; empty: none
    QTest::addColumn<QString>("shown");
    const QString server = "srv.example:81" + GetLocalizedText(5003);
    QTest::newRow("empty login") << ""
                                 << "x" << false << "" << GetLocalizedText(5001);
    QTest::newRow("blank login") << "   "
                                 << "x" << false << "" << GetLocalizedText(5001);
    QTest::newRow("blank password") << "jo@srv.example:81"
                                    << " \t " << false << "" << GetLocalizedText(5001);
    QTest::newRow("proxy port out of range")
        << "jo@srv.example:81"
        << "pw" << false << "proxy.example:99999" << GetLocalizedText(5004) + server;
    QTest::newRow("proxy port no number") << "jo@srv.example:81"
                                          << "pw" << false << "proxy:80a" << GetLocalizedText(5004) + server;
    QTest::newRow("no proxy host, secure connection")
        << "jo@srv.example:81"
        << "pw" << true << " " << GetLocalizedText(5002) + server;
}

void TestSoapSession::refusedSetUp()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(bool, ssl);
    QFETCH(QString, proxyServer);
    QFETCH(QString, shown);
    SoapSession session;
    SoapLogin values = loginOf(login, password);
    values.useSsl = ssl;
    values.useProxy = !proxyServer.isEmpty();
    values.proxyFromBrowser = false;
    values.proxyServer = proxyServer.trimmed();
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QVERIFY(!session.InitSoapClient(values));
    QCOMPARE(MessageService::instance().history().size(), 1);
    QCOMPARE(MessageService::instance().history().first().text, shown);
    QVERIFY(!session.soapclient());
}

void TestSoapSession::freshClientAtEveryConnect()
{
    SoapSession session;
    SoapLogin login = loginOf(" jo@srv.example:81", " pw ");
    login.useSsl = true;
    login.useProxy = true; // from the browser: the system's settings
    QVERIFY(session.InitSoapClient(login));
    QVERIFY(MessageService::instance().history().isEmpty());
    // Untrimmed, "@" and server part included.
    QCOMPARE(session.soapheader()->UserName, login.login);
    QCOMPARE(session.soapheader()->UserPass, login.password);
    QCOMPARE(session.soapclient()->description()->location(),
             BuildPortalUrl(login.login, "/WebServices/OrvProject.asmx?WSDL", true));
    QCOMPARE(session.soapclient()->connector().callback(), static_cast<IAsyncSOAPCall*>(&session));
    QCOMPARE(session.soapclient()->headerHandler(), session.soapheader());

    session.soapheader()->ServerErrorMessage = QStringLiteral("OK");
    session.SoapErrorText = QStringLiteral("old transport error");
    QVERIFY(session.InitSoapClient(loginOf("pm@other", "pm")));
    QCOMPARE(session.soapheader()->UserName, QStringLiteral("pm@other"));
    QCOMPARE(session.soapheader()->ServerErrorMessage, QString());
    QCOMPARE(session.SoapErrorText, QString());
    QCOMPARE(session.soapclient()->description()->location(),
             QStringLiteral("http://other/portals/other/WebServices/OrvProject.asmx?WSDL"));
}

void TestSoapSession::callsAgainstTheContract()
{
    ScriptedServer server;
    ProgressBar bar;
    SoapSession session;
    session.setProgressSink(&bar);
    QVERIFY(
        session.InitSoapClient(loginOf(QStringLiteral("admin@127.0.0.1:%1").arg(server.port()), "admin")));
    const auto answer = [&](const QByteArray& method, const QByteArray& result) {
        server.script(ScriptedServer::answer(
            200,
            answerEnvelope(kStateOk, "<" + method + "Response xmlns=\"http://orvello.com/webservices/\"><" +
                                         method + "Result>" + result + "</" + method + "Result></" + method +
                                         "Response>")));
    };
    answer("GetServerVersion", "4.7");
    answer("GetCategoryList2", "&lt;categories /&gt;");
    const SoapCallResult version = session.call(QStringLiteral("GetServerVersion"));
    QVERIFY(session.CheckSoapOutcome(version));
    QCOMPARE(version.result.toString(), QStringLiteral("4.7"));
    QCOMPARE(bar.value, 4);
    QVariantList arguments{qint16(7)};
    const SoapCallResult categories = session.call(QStringLiteral("GetCategoryList2"), arguments);
    QVERIFY(session.CheckSoapOutcome(categories));
    QCOMPARE(categories.result.toString(), QStringLiteral("<categories />"));
    QCOMPARE(bar.value, 8);
    QVERIFY2(MessageService::instance().history().isEmpty(), qPrintable(shownTexts()));
    QCOMPARE(server.requests().first().target,
             QByteArray("/portals/127_0_0_1/WebServices/OrvProject.asmx?WSDL"));
    QVERIFY(server.requests().at(1).body.contains("<objectTypeId>7</objectTypeId>"));
    QCOMPARE(server.connections(), 1); // reads share the connection
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
    QTest::newRow("cancel after the last step: no effect") << true << 3 << 4 << true << 4 << false << false;
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

void TestSoapSession::transportErrors_data()
{
    QTest::addColumn<bool>("userCancelled"); // the window's Cancel was confirmed
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("description"); // the network library's words
    QTest::addColumn<QString>("text");        // what the session keeps for the user
    const auto t = [](int id) { return GetLocalizedText(id); };
    const int network = SoapConnector::NetworkError;
    QTest::newRow("refused") << false << network << 1 << "Connection refused" << t(9700);
    QTest::newRow("host not found") << false << network << 3 << "Host x not found" << t(9702);
    QTest::newRow("certificate: the library's detail follows")
        << false << network << 6 << "self-signed" << t(9704) + " (self-signed)";
    QTest::newRow("proxy") << false << network << 105 << "proxy" << t(9707);
    QTest::newRow("HTTP status") << false << int(SoapConnector::HttpError) << 503 << "x (HTTP status 503)"
                                 << t(9708) + "503";
    QTest::newRow("unnamed: as it was said") << false << network << 302 << "Protocol failure"
                                             << "Protocol failure";
    QTest::newRow("cancelled") << true << int(SoapConnector::CancelledError) << 0 << "cancelled" << t(5035);
    QTest::newRow("error after the user's cancel") << true << network << 1 << "Connection refused" << t(5035);
}

void TestSoapSession::transportErrors()
{
    QFETCH(bool, userCancelled);
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, description);
    QFETCH(QString, text);
    bool windowFlag = userCancelled; // an error report ends the user's cancel
    SoapSession session(&windowFlag);
    session.IAsyncSOAPCall_OnError(type, code, description);
    QCOMPARE(session.SoapErrorText, text);
    QVERIFY(!windowFlag);
    QVERIFY(!session.CancelRequested);
}

void TestSoapSession::standardCheck_data()
{
    using Status = SoapCallResult::Status;
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<QString>("serverMessage");
    QTest::addColumn<int>("textId"); // -1: succeeds, nothing shown
    QTest::addColumn<QString>("shownAfterText");
    const auto row = [](const char* tag, Status status, const QString& errorText,
                        const QString& serverMessage, int textId, const QString& after) {
        QTest::newRow(tag) << int(status) << errorText << serverMessage << textId << after;
    };
    row("answer with OK", Status::Ok, "", "OK", -1, "");
    row("fault: raised without transport text", Status::Raised, "", "OK", 5005, "");
    row("transport text", Status::Transport, "Connection refused", "OK", 0, "Connection refused");
    row("raised with a stored transport text", Status::Raised, "Host not found", "", 0, "Host not found");
    row("header in other case", Status::Ok, "", "ok", 5009, "ok");
    row("server's refusal", Status::Ok, "", "Access denied", 5009, "Access denied");
    row("no header yet", Status::Ok, "", "", 5009, "");
}

void TestSoapSession::standardCheck()
{
    QFETCH(int, status);
    QFETCH(QString, errorText);
    QFETCH(QString, serverMessage);
    QFETCH(int, textId);
    QFETCH(QString, shownAfterText);
    SoapCallResult result;
    result.status = SoapCallResult::Status(status);
    OrvProjectSoapClient header;
    header.ServerErrorMessage = serverMessage;
    QString soapErrorText = errorText;
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QCOMPARE(CheckSoapOutcome(result, soapErrorText, &header), textId < 0);
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
