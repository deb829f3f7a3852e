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
    int lastType = 0, lastCode = 0;
    bool cancelNow = false;
    std::function<void(int)> onProgress;
};

// A call that fails, and what the client and the callback make of it.
struct FailedCall
{
    const char* tag;
    int answer; // HTTP status, or 0: the connection drops after the request
    QByteArray body;
    bool readOnly;
    SoapCallResult::Status status;
    int requests;  // that reached the server
    int errorType; // what the callback was told; 0: nothing
    QString says;  // in the callback's text, or else in the result's
};
} // namespace

class TestSoapConnector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<ScriptedServer>();
        m_recorder = Recorder();
        m_client = sampleClient(m_server->url("/Sample.asmx"));
    }
    void cleanup()
    {
        m_client.reset();
        m_server.reset();
        QVERIFY(!SoapConnector::callRunning());
    }

    void failedCalls()
    {
        using Status = SoapCallResult::Status;
        const int http = SoapConnector::HttpError;
        const QByteArray page = "<html><body>Server Error in '/' Application.</body></html>";
        // (A SOAP fault, an empty 500, an answer that is not XML, a dropped change sent once: tst_login_page
        // and tst_faults against the development server.)
        for (const FailedCall& row : {
                 FailedCall{"empty 400", 400, "", false, Status::Transport, 1, http, "HTTP status 400"},
                 FailedCall{"empty 415", 415, "", false, Status::Transport, 1, http, "HTTP status 415"},
                 FailedCall{"500 HTML page", 500, page, false, Status::Raised, 1, 0, "no SOAP fault"},
                 // A read is repeated by the network layer on a new connection, as a browser would.
                 FailedCall{"dropped read: resent", 0, "", true, Status::Ok, 2, 0, ""},
             }) {
            cleanup();
            init();
            if (row.readOnly)
                m_client->setReadOnlyMethods({QStringLiteral("Nothing")});
            m_server->script(row.answer ? ScriptedServer::answer(row.answer, row.body)
                                        : ScriptedServer::drop());
            m_server->script(ScriptedServer::answer(200, kNothingAnswer));
            const SoapCallResult result = callNothing(*m_client);
            const QString text = row.errorType ? m_recorder.errors.value(0) : result.errorText;
            QVERIFY2(text.contains(row.says), qPrintable(QString(row.tag) + ": " + text));
            // The HTTP status is kept and told; the last step is reported only for an answer that was read.
            QCOMPARE(std::tuple(row.tag, result.status, m_server->requests().size(), m_recorder.errors.size(),
                                m_recorder.lastType, row.answer ? result.httpStatus : 0,
                                row.errorType == http ? m_recorder.lastCode : row.answer,
                                m_recorder.steps.contains(4), result.faultString),
                     std::tuple(row.tag, row.status, row.requests, row.errorType ? 1 : 0, row.errorType,
                                row.answer, row.answer, row.errorType == 0, QString()));
        }
    }

    void nothingIsSentForAValueThatDoesNotConvert()
    {
        QVariantList arguments{70000, 1, true, QDateTime::currentDateTime()};
        const SoapCallResult result = m_client->call(QStringLiteral("Everything"), arguments);
        QCOMPARE(result.status, SoapCallResult::Status::Raised);
        QVERIFY(result.errorText.contains(QStringLiteral("small")));
        QVERIFY(m_recorder.steps.isEmpty() && m_recorder.errors.isEmpty());
        QTest::qWait(50);
        QCOMPARE(std::pair(m_server->requests().size(), m_server->connections()), std::pair(qsizetype(0), 0));
    }

    void readsShareOneConnectionChangesOpenTheirOwn()
    {
        for (int i = 0; i < 5; ++i)
            m_server->script(ScriptedServer::answer(200, kNothingAnswer));
        const auto call = [&](bool readOnly) {
            m_client->setReadOnlyMethods(readOnly ? QSet<QString>{QStringLiteral("Nothing")}
                                                  : QSet<QString>{});
            return callNothing(*m_client).ok() ? m_server->connections() : -1;
        };
        // A changing call opens a new connection, which the reads after it go on using.
        const QList<int> connections{call(true), call(true), call(false), call(true), call(false)};
        QCOMPARE(connections, (QList<int>{1, 1, 2, 2, 3}));
        QCOMPARE(m_server->requests().size(), 5);
    }

    void secondCallWhileOneWaitsIsRefused()
    {
        m_server->script(ScriptedServer::answer(200, kNothingAnswer, 300));
        std::optional<SoapCallResult> nested;
        QTimer::singleShot(50, this, [&] { nested = callNothing(*m_client); });
        const SoapCallResult outer = callNothing(*m_client);
        QVERIFY2(outer.ok(), qPrintable(outer.errorText));
        QVERIFY(nested);
        QCOMPARE(nested->status, SoapCallResult::Status::Raised);
        QVERIFY(nested->errorText.contains(QStringLiteral("cannot overlap")));
        QCOMPARE(m_server->requests().size(), 1);
    }

    void ownerDestroyedDuringTheCall()
    {
        m_server->script(ScriptedServer::silent());
        SoapClient* raw = m_client.get();
        QTimer::singleShot(100, this, [&] { m_client.reset(); });
        const SoapCallResult result = callNothing(*raw);
        QCOMPARE(result.status, SoapCallResult::Status::Cancelled);
        QVERIFY(!m_client);
        QVERIFY(m_recorder.errors.isEmpty()); // nobody left to tell
    }

    void cancelHandedBackFromAProgressStep()
    {
        // The server never answers; the third report of step 1 hands back a cancel. The connection
        // stays usable for the next call.
        int reports = 0;
        m_recorder.onProgress = [&](int) { m_recorder.cancelNow = ++reports == 3; };
        m_server->script(ScriptedServer::silent());
        m_server->script(ScriptedServer::answer(200, kNothingAnswer));
        QCOMPARE(callNothing(*m_client).status, SoapCallResult::Status::Cancelled);
        QCOMPARE(std::tuple(reports, m_recorder.lastType, m_recorder.errors.size()),
                 std::tuple(3, int(SoapConnector::CancelledError), qsizetype(1)));
        QVERIFY(callNothing(*m_client).ok());
    }

    void explicitProxyCarriesTheRequest()
    {
        // The scripted server plays the proxy: it gets the request with the service's absolute address.
        m_client = sampleClient(QUrl(QStringLiteral("http://orvello.example.invalid/Sample.asmx")));
        SoapConnector::Proxy proxy;
        proxy.mode = SoapConnector::Proxy::Mode::Explicit;
        proxy.server = QStringLiteral("127.0.0.1:%1").arg(m_server->port());
        proxy.user = QStringLiteral("proxyuser");
        proxy.password = QStringLiteral("proxypass");
        QString error;
        QVERIFY2(m_client->connector().setProxy(proxy, &error), qPrintable(error));
        m_server->script(ScriptedServer::answer(200, kNothingAnswer));
        const SoapCallResult result = callNothing(*m_client);
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        QCOMPARE(m_server->requests(), QList<QByteArray>{"http://orvello.example.invalid/Sample.asmx"});
    }

private:
    std::unique_ptr<SoapClient> sampleClient(const QUrl& address)
    {
        QFile file(QStringLiteral(KITBENCH_TEST_DATA "/Sample.wsdl"));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        const QString wsdl =
            QString::fromUtf8(file.readAll()).replace("http://127.0.0.1:1/Sample.asmx", address.toString());
        auto client = std::make_unique<SoapClient>();
        QString error;
        if (!client->init(wsdl, &error))
            qWarning() << error;
        client->connector().setCallback(&m_recorder);
        return client;
    }

    SoapCallResult callNothing(SoapClient& client)
    {
        QVariantList none;
        return client.call(QStringLiteral("Nothing"), none);
    }

    std::unique_ptr<ScriptedServer> m_server;
    Recorder m_recorder;
    std::unique_ptr<SoapClient> m_client;
};

QTEST_GUILESS_MAIN(TestSoapConnector)
#include "tst_soapconnector.moc"
