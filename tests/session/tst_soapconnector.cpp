#include "ScriptedServer.h"
#include "SoapAnswers.h"

#include "platform/soap/IAsyncSOAPCall.h"
#include "platform/soap/OrvProjectSoapClient.h"
#include "platform/soap/SoapClient.h"
#include "platform/soap/SoapConnector.h"

#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kitbench;

namespace {
const QByteArray kNothingAnswer = answerEnvelope({}, "<NothingResponse xmlns=\"urn:sample:\" />");

// Records the callbacks and can cancel from inside them.
class Recorder : public IAsyncSOAPCall
{
public:
    void IAsyncSOAPCall_OnProgress(int progress, bool& cancel) override
    {
        if (steps.isEmpty() || steps.last() != progress)
            steps.append(progress);
        if (onProgress)
            onProgress(progress);
        cancel = cancelNow;
    }
    void IAsyncSOAPCall_OnError(int type, int code, const QString& description) override
    {
        errors.append(description);
        lastType = type;
        lastCode = code;
    }
    QList<int> steps;
    QStringList errors;
    int lastType = 0;
    int lastCode = 0;
    bool cancelNow = false;
    std::function<void(int)> onProgress;
};

} // namespace

class TestSoapConnector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void answeredCall();
    void faultIsARaisedError();
    void emptyErrorAnswersAreTransportErrors_data();
    void emptyErrorAnswersAreTransportErrors();
    void nonSoapErrorPageIsARaisedError();
    void droppedConnection_data();
    void droppedConnection();
    void refusedConnection();
    void tlsErrorsAreNotIgnored();
    void nothingIsSentForAValueThatDoesNotConvert();
    void readsShareOneConnectionChangesOpenTheirOwn();
    void secondCallWhileOneWaitsIsRefused();
    void ownerDestroyedDuringTheCall();
    void cancelHandedBackFromAProgressStep();
    void explicitProxyCarriesTheRequest();

private:
    std::unique_ptr<SoapClient> sampleClient(const QUrl& address, Recorder* recorder);

    std::unique_ptr<ScriptedServer> m_server;
};

void TestSoapConnector::init()
{
    m_server = std::make_unique<ScriptedServer>();
}

void TestSoapConnector::cleanup()
{
    m_server.reset();
    QVERIFY(!SoapConnector::callRunning());
}

std::unique_ptr<SoapClient> TestSoapConnector::sampleClient(const QUrl& address, Recorder* recorder)
{
    QFile file(QStringLiteral(KITBENCH_TEST_DATA "/Sample.wsdl"));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QString wsdl = QString::fromUtf8(file.readAll())
                             .replace(QStringLiteral("http://127.0.0.1:1/Sample.asmx"), address.toString());
    auto client = std::make_unique<SoapClient>();
    QString error;
    if (!client->init(wsdl, &error))
        qWarning() << error;
    client->connector().setCallback(recorder);
    return client;
}

void TestSoapConnector::answeredCall()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx?WSDL")), &recorder);
    OrvProjectSoapClient header;
    header.UserName = QStringLiteral("admin@127.0.0.1");
    header.UserPass = QStringLiteral("secret");
    client->setHeaderHandler(&header);
    m_server->script(ScriptedServer::answer(
        200, answerEnvelope(kStateOk, "<EverythingResponse xmlns=\"urn:sample:\"><EverythingResult>42"
                                      "</EverythingResult></EverythingResponse>")));

    QVariantList arguments{1, 2, true, QDateTime(QDate(2024, 3, 1), QTime(13, 45)), QStringLiteral("t")};
    const SoapCallResult result = client->call(QStringLiteral("Everything"), arguments);
    QVERIFY2(result.ok(), qPrintable(result.errorText));
    QCOMPARE(result.result, QVariant::fromValue(qint32(42)));
    QCOMPARE(result.httpStatus, 200);
    QCOMPARE(header.ServerErrorMessage, QStringLiteral("OK"));
    QCOMPARE(recorder.steps, QList<int>({1, 2, 3, 4}));
    QVERIFY(recorder.errors.isEmpty());

    QCOMPARE(m_server->requests().size(), 1);
    const ScriptedServer::Request& request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/Sample.asmx?WSDL"));
    QCOMPARE(request.headers.value("content-type"), QByteArray("text/xml; charset=utf-8"));
    QCOMPARE(request.headers.value("soapaction"), QByteArray("\"urn:sample:Everything\""));
    QVERIFY(request.body.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope"));
    QVERIFY(request.body.contains("<Authenticator xmlns=\"urn:sample:\"><userName>admin@127.0.0.1</userName>"
                                  "<userPassword>secret</userPassword></Authenticator>"));
    QVERIFY(request.body.contains(
        "<Everything xmlns=\"urn:sample:\"><small>1</small><number>2</number>"
        "<flag>true</flag><when>2024-03-01T13:45:00</when><title>t</title></Everything>"));
}

void TestSoapConnector::faultIsARaisedError()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(ScriptedServer::answer(
        500, answerEnvelope(
                 {}, "<soap:Fault><faultcode>soap:Client</faultcode><faultstring>Server did not recognize "
                     "the value of HTTP Header SOAPAction: x.</faultstring><detail /></soap:Fault>")));
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Raised);
    QCOMPARE(result.faultString,
             QStringLiteral("Server did not recognize the value of HTTP Header SOAPAction: x."));
    QCOMPARE(result.httpStatus, 500);
    QVERIFY(recorder.errors.isEmpty()); // no transport text: the standard check shows 5005
    QCOMPARE(recorder.steps.last(), 4);
}

void TestSoapConnector::emptyErrorAnswersAreTransportErrors_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("400 malformed") << 400;
    QTest::newRow("415 content type") << 415;
    QTest::newRow("500 without body") << 500;
}

void TestSoapConnector::emptyErrorAnswersAreTransportErrors()
{
    QFETCH(int, status);
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(ScriptedServer::answer(status, {}));
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Transport);
    QCOMPARE(result.httpStatus, status);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(QStringLiteral("HTTP status %1").arg(status)),
             qPrintable(recorder.errors.first()));
    QCOMPARE(recorder.lastType, int(SoapConnector::HttpError));
    QCOMPARE(recorder.lastCode, status);
    QVERIFY(!recorder.steps.contains(4));
}

void TestSoapConnector::nonSoapErrorPageIsARaisedError()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(
        ScriptedServer::answer(500, "<html><body>Server Error in '/' Application.</body></html>"));
    m_server->script(ScriptedServer::answer(200, "not xml at all"));
    QVariantList none;
    SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Raised);
    QVERIFY(result.faultString.isEmpty());
    result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Raised);
    QVERIFY(result.errorText.contains(QStringLiteral("not XML")));
    QVERIFY(recorder.errors.isEmpty());
}

void TestSoapConnector::droppedConnection_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("requests"); // that reached the server
    QTest::addColumn<bool>("ok");
    // A call that may have changed the server is never sent twice: one message, the user decides.
    QTest::newRow("changing call: sent once, fails") << false << 1 << false;
    // A read is repeated by the network layer on a new connection, as a browser would.
    QTest::newRow("read-only call: resent, answered") << true << 2 << true;
}

void TestSoapConnector::droppedConnection()
{
    QFETCH(bool, readOnly);
    QFETCH(int, requests);
    QFETCH(bool, ok);
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    if (readOnly)
        client->setReadOnlyMethods({QStringLiteral("Nothing")});
    m_server->script(ScriptedServer::drop()); // after the whole request was read
    m_server->script(ScriptedServer::answer(200, kNothingAnswer));
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.ok(), ok);
    QCOMPARE(m_server->requests().size(), requests);
    QCOMPARE(recorder.errors.size(), ok ? 0 : 1);
    if (!ok) {
        QCOMPARE(result.status, SoapCallResult::Status::Transport);
        QCOMPARE(recorder.lastType, int(SoapConnector::NetworkError));
        QVERIFY2(recorder.errors.first().contains(QStringLiteral("not sent again")),
                 qPrintable(recorder.errors.first()));
    }
}

void TestSoapConnector::refusedConnection()
{
    // Nothing listens on the port of a server that is gone.
    Recorder recorder;
    const QUrl gone = m_server->url(QStringLiteral("/Sample.asmx"));
    m_server.reset();
    auto refused = sampleClient(gone, &recorder);
    QVariantList none;
    const SoapCallResult result = refused->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Transport);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.last().contains(QStringLiteral("refused"), Qt::CaseInsensitive),
             qPrintable(recorder.errors.last()));
    m_server = std::make_unique<ScriptedServer>();
}

void TestSoapConnector::tlsErrorsAreNotIgnored()
{
    // A plain HTTP server behind an https address: the handshake fails and the call with it.
    Recorder recorder;
    QUrl address = m_server->url(QStringLiteral("/Sample.asmx"));
    address.setScheme(QStringLiteral("https"));
    auto client = sampleClient(address, &recorder);
    m_server->script(ScriptedServer::answer(200, kNothingAnswer));
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Transport);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY(!recorder.errors.first().isEmpty());
    QVERIFY(m_server->requests().isEmpty());
    QCOMPARE(m_server->tlsAttempts(), 1);
}

void TestSoapConnector::nothingIsSentForAValueThatDoesNotConvert()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    QVariantList arguments{70000, 1, true, QDateTime::currentDateTime()};
    const SoapCallResult result = client->call(QStringLiteral("Everything"), arguments);
    QCOMPARE(result.status, SoapCallResult::Status::Raised);
    QVERIFY(result.errorText.contains(QStringLiteral("small")));
    QVERIFY(recorder.steps.isEmpty());
    QVERIFY(recorder.errors.isEmpty());
    QTest::qWait(50);
    QCOMPARE(m_server->requests().size(), 0);
    QCOMPARE(m_server->connections(), 0);
}

void TestSoapConnector::readsShareOneConnectionChangesOpenTheirOwn()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    for (int i = 0; i < 5; ++i)
        m_server->script(ScriptedServer::answer(200, kNothingAnswer));
    const auto call = [&](bool readOnly) {
        client->setReadOnlyMethods(readOnly ? QSet<QString>{QStringLiteral("Nothing")} : QSet<QString>{});
        QVariantList none;
        return client->call(QStringLiteral("Nothing"), none).ok() ? m_server->connections() : -1;
    };
    // A changing call opens a new connection, which the reads after it go on using.
    const QList<int> connections{call(true), call(true), call(false), call(true), call(false)};
    QCOMPARE(connections, (QList<int>{1, 1, 2, 2, 3}));
    QCOMPARE(m_server->requests().size(), 5);
}

void TestSoapConnector::secondCallWhileOneWaitsIsRefused()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(ScriptedServer::answer(200, kNothingAnswer, 300));
    std::optional<SoapCallResult> nested;
    QTimer::singleShot(50, this, [&] {
        QVariantList none;
        nested = client->call(QStringLiteral("Nothing"), none);
    });
    QVariantList none;
    const SoapCallResult outer = client->call(QStringLiteral("Nothing"), none);
    QVERIFY2(outer.ok(), qPrintable(outer.errorText));
    QVERIFY(nested);
    QCOMPARE(nested->status, SoapCallResult::Status::Raised);
    QVERIFY(nested->errorText.contains(QStringLiteral("cannot overlap")));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestSoapConnector::ownerDestroyedDuringTheCall()
{
    Recorder recorder;
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(ScriptedServer::silent());
    SoapClient* raw = client.get();
    QTimer::singleShot(100, this, [&] { client.reset(); });
    QVariantList none;
    const SoapCallResult result = raw->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Cancelled);
    QVERIFY(!client);
    QVERIFY(recorder.errors.isEmpty()); // nobody left to tell
}

void TestSoapConnector::cancelHandedBackFromAProgressStep()
{
    // The server never answers; the steps keep coming while the call waits, and the third report of
    // step 1 hands back a cancel.
    Recorder recorder;
    int reports = 0;
    recorder.onProgress = [&](int) { recorder.cancelNow = ++reports >= 3; };
    auto client = sampleClient(m_server->url(QStringLiteral("/Sample.asmx")), &recorder);
    m_server->script(ScriptedServer::silent());
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QCOMPARE(result.status, SoapCallResult::Status::Cancelled);
    QCOMPARE(reports, 3);
    QCOMPARE(recorder.steps, QList<int>({1}));
    QCOMPARE(recorder.errors.size(), 1);
    QCOMPARE(recorder.lastType, int(SoapConnector::CancelledError));

    // The connection stays usable for the next call.
    recorder.onProgress = nullptr;
    recorder.cancelNow = false;
    m_server->script(ScriptedServer::answer(200, kNothingAnswer));
    QVERIFY(client->call(QStringLiteral("Nothing"), none).ok());
}

void TestSoapConnector::explicitProxyCarriesTheRequest()
{
    // The scripted server plays the proxy: it gets the request with the service's absolute address.
    Recorder recorder;
    auto client = sampleClient(QUrl(QStringLiteral("http://orvello.example.invalid/Sample.asmx")), &recorder);
    SoapConnector::Proxy proxy;
    proxy.mode = SoapConnector::Proxy::Mode::Explicit;
    proxy.server = QStringLiteral("127.0.0.1:%1").arg(m_server->port());
    proxy.user = QStringLiteral("proxyuser");
    proxy.password = QStringLiteral("proxypass");
    QString error;
    QVERIFY2(client->connector().setProxy(proxy, &error), qPrintable(error));
    m_server->script(ScriptedServer::answer(200, kNothingAnswer));
    QVariantList none;
    const SoapCallResult result = client->call(QStringLiteral("Nothing"), none);
    QVERIFY2(result.ok(), qPrintable(result.errorText));
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().first().target, QByteArray("http://orvello.example.invalid/Sample.asmx"));
}

QTEST_GUILESS_MAIN(TestSoapConnector)
#include "tst_soapconnector.moc"
