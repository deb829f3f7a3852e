#include "ScriptedServer.h"
#include "SoapAnswers.h"
#include "TempSettings.h"

#include "ProgressBarFake.h"
#include "platform/Message.h"
#include "session/SoapProgressSink.h"
#include "session/SoapSession.h"
#include "shell/TextCatalogue.h"

#include <QTest>
#include <QTimer>

using namespace kitbench;

// The session's calls end to end against a scripted server speaking the real contract.
class TestSoapSessionCalls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sessionAgainstTheContract();
    void sessionCancelDuringADelayedAnswer();

private:
    std::unique_ptr<ScriptedServer> m_server;
    std::unique_ptr<TempSettings> m_settings;
};

void TestSoapSessionCalls::init()
{
    m_settings = std::make_unique<TempSettings>();
    ForgetLanguagePack();
    m_server = std::make_unique<ScriptedServer>();
    MessageService::instance().clearHistory();
}

void TestSoapSessionCalls::cleanup()
{
    m_server.reset();
    m_settings.reset();
}

void TestSoapSessionCalls::sessionAgainstTheContract()
{
    ProgressBar bar;
    SoapSession session;
    session.setProgressSink(&bar);
    SoapLogin login;
    login.login = QStringLiteral("admin@127.0.0.1:%1").arg(m_server->port());
    login.password = QStringLiteral("admin");
    QVERIFY(session.InitSoapClient(login));
    m_server->script(ScriptedServer::answer(
        200,
        answerEnvelope(kStateOk,
                       "<GetServerVersionResponse xmlns=\"http://orvello.com/webservices/\">"
                       "<GetServerVersionResult>4.7</GetServerVersionResult></GetServerVersionResponse>")));
    m_server->script(ScriptedServer::answer(
        200, answerEnvelope(kStateOk, "<GetCategoryList2Response xmlns=\"http://orvello.com/webservices/\">"
                                      "<GetCategoryList2Result>&lt;categories /&gt;</GetCategoryList2Result>"
                                      "</GetCategoryList2Response>")));

    const SoapCallResult version = session.call(QStringLiteral("GetServerVersion"));
    QVERIFY(session.CheckSoapOutcome(version));
    QCOMPARE(version.result.toString(), QStringLiteral("4.7"));
    QCOMPARE(bar.value, 4);
    QVariantList arguments{qint16(7)};
    const SoapCallResult categories = session.call(QStringLiteral("GetCategoryList2"), arguments);
    QVERIFY(session.CheckSoapOutcome(categories));
    QCOMPARE(categories.result.toString(), QStringLiteral("<categories />"));
    QCOMPARE(bar.value, 8);
    QVERIFY(MessageService::instance().history().isEmpty());

    const ScriptedServer::Request& request = m_server->requests().first();
    QCOMPARE(request.target, QByteArray("/portals/127_0_0_1/WebServices/OrvProject.asmx?WSDL"));
    QCOMPARE(request.headers.value("soapaction"),
             QByteArray("\"http://orvello.com/webservices/GetServerVersion\""));
    QVERIFY(request.body.contains(
        "<soap:Header><Authenticator xmlns=\"http://orvello.com/webservices/\"><userName>" +
        login.login.toUtf8() +
        "</userName><userPassword>admin</userPassword></Authenticator></soap:Header>"));
    QVERIFY(m_server->requests().at(1).body.contains(
        "<GetCategoryList2 "
        "xmlns=\"http://orvello.com/webservices/\"><objectTypeId>7</objectTypeId></GetCategoryList2>"));
    QCOMPARE(m_server->connections(), 1);
}

void TestSoapSessionCalls::sessionCancelDuringADelayedAnswer()
{
    SoapSession session;
    SoapLogin login;
    login.login = QStringLiteral("admin@127.0.0.1:%1").arg(m_server->port());
    login.password = QStringLiteral("admin");
    QVERIFY(session.InitSoapClient(login));
    m_server->script(ScriptedServer::answer(
        200, answerEnvelope({}, "<NothingResponse xmlns=\"http://orvello.com/webservices/\" />"), 5000));
    // The user confirms Cancel while the server takes its time.
    QTimer::singleShot(150, this, [&] { session.CancelRequested = true; });
    const SoapCallResult result = session.call(QStringLiteral("GetServerVersion"));
    QCOMPARE(result.status, SoapCallResult::Status::Cancelled);
    QCOMPARE(session.SoapErrorText, GetLocalizedText(5035));
    QVERIFY(!session.CancelRequested);
    MessageService::instance().pushAnswer(MessageAnswer::Ok);
    QVERIFY(!session.CheckSoapOutcome(result));
    QCOMPARE(MessageService::instance().history().size(), 1);
    QCOMPARE(MessageService::instance().history().first().textId, 5035);
}

QTEST_GUILESS_MAIN(TestSoapSessionCalls)
#include "tst_soapsessioncalls.moc"
