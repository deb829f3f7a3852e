// The jobs under real faults, unattended against a live development server, with a misbehaving proxy or
// the server's fault knobs in between: a request that changed the server reaches it once even when the
// connection drops before its answer; a server that never answers ends the run; connections the server
// closes while idle cost nothing; a failed file-name check publishes nothing. The journal shows what
// arrived.
#include "DevServer.h"
#include "FaultProxy.h"
#include "KitbenchRun.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Fault = FaultProxy::Fault;

const QString kIncident = "[page 2]\nIncidentTitleText = Printer jam\n[page 20]\n[messages]\n5061 = Yes\n";

// What reached the server: SOAP calls by method name, form posts by page.
int arrived(const DevServer& server, const QString& what)
{
    int count = 0;
    for (const QJsonObject& entry : server.journal())
        count += entry.value("method").toString() == what || entry.value("page").toString().endsWith(what);
    return count;
}

// The messages of a run, one "[ID] text" line each on standard error, without the time zone question
// the answer file answers.
QStringList messages(const KitbenchRun& run)
{
    static const QRegularExpression line(QStringLiteral("^\\[\\d+\\] "));
    QStringList shown = run.err.split('\n').filter(line);
    shown.removeIf([](const QString& message) { return message.startsWith("[5061]"); });
    return shown;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void droppedAfterRequest_data();
    void droppedAfterRequest();
    void neverAnswered_data();
    void neverAnswered();
    void idleConnectionsClosed_data();
    void idleConnectionsClosed();
    void failedNameCheck_data();
    void failedNameCheck();

private:
    QString upload(const QString& extra = {});
    QTemporaryDir m_files;
    QString m_file;
};

void TestFaults::initTestCase()
{
    QVERIFY(m_files.isValid());
    m_file = m_files.filePath("minutes.txt");
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300000, 'm'));
}

QString TestFaults::upload(const QString& extra)
{
    return "[page 20]\nPublishedFileList = " + m_file + "\n[page 6]\nFileListTreeView = key:F4\n" + extra;
}

void TestFaults::droppedAfterRequest_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QByteArray>("match");
    QTest::addColumn<QString>("object"); // method or page that must arrive exactly once
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    // The transport error is shown once and the wizard stays on its page.
    QTest::newRow("incident") << "/createincident" << kIncident << QByteArray("CreateIncident45")
                              << "CreateIncident45" << 2 << "not sent again";
    // A post that failed is offered for Abort, Retry or Ignore; Abort ends the queue.
    QTest::newRow("upload") << "/upload" << upload("[messages]\n5019 = Abort\n")
                            << QByteArray("FilePublishing.aspx") << "FilePublishing.aspx" << 0 << "[5019]";
}

void TestFaults::droppedAfterRequest()
{
    QFETCH(QString, job);
    QFETCH(QString, answers);
    QFETCH(QByteArray, match);
    QFETCH(QString, object);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    FaultProxy proxy(server.address(), Fault::DropAfterRequest, match);
    const KitbenchRun run =
        KitbenchRun::start({job, "/L", "admin@" + proxy.address(), "/P", "admin"}, answers);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(arrived(server, object), 1);
    QCOMPARE(proxy.faults(), 1);
    const QStringList shown = messages(run);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(message), qPrintable(run.err));
}

void TestFaults::neverAnswered_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QByteArray>("match");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("cancelled"); // the message of the cancelled call or transfer
    QTest::newRow("create call") << "/createincident" << kIncident << QByteArray("CreateIncident45")
                                 << "CreateIncident45"
                                 << "[5035]";
    QTest::newRow("publishing post") << "/upload" << upload("[messages]\n5011 = Abort\n")
                                     << QByteArray("FilePublishing.aspx") << "FilePublishing.aspx"
                                     << "[5011]";
    QTest::newRow("first call of the login")
        << "/createincident" << kIncident << QByteArray() << "GetServerVersion"
        << "[5035]";
}

void TestFaults::neverAnswered()
{
    QFETCH(QString, job);
    QFETCH(QString, answers);
    QFETCH(QByteArray, match);
    QFETCH(QString, object);
    QFETCH(QString, cancelled);
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    FaultProxy proxy(server.address(), Fault::NeverAnswer, match);
    const KitbenchRun run = KitbenchRun::start({job, "/L", "admin@" + proxy.address(), "/P", "admin"},
                                               "[options]\nTimeout = 2\n" + answers, 30000);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(proxy.faults(), 1);
    QCOMPARE(arrived(server, object), 0);
    QVERIFY2(run.err.contains("[9160]") && run.err.contains(cancelled), qPrintable(run.err));
}

void TestFaults::idleConnectionsClosed_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("idleMs");
    QTest::newRow("closed at once") << Fault::CloseIdle << 1;
    // The close never reached the wizard: a request on such a connection is lost before the server.
    // Every connection is dead once answered, so the run meets one however fast it is.
    QTest::newRow("dead without notice") << Fault::StaleIdle << 0;
}

void TestFaults::idleConnectionsClosed()
{
    QFETCH(Fault, fault);
    QFETCH(int, idleMs);
    DevServer server({"--seed", "demo", "--server-version", "4.7"});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    FaultProxy proxy(server.address(), fault, {}, idleMs);
    const KitbenchRun run = KitbenchRun::start(
        {"/createincident", "/L", "admin@" + proxy.address(), "/P", "admin", m_file}, kIncident);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(messages(run).isEmpty(), qPrintable(run.err));
    QCOMPARE(arrived(server, "CreateIncident45"), 1);
    QCOMPARE(arrived(server, "FilePublishing.aspx"), 1);
    QVERIFY(proxy.faults() > 0);
}

void TestFaults::failedNameCheck_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("SOAP fault") << "CheckFileName=soap-fault"
                                << "[5005]";
    QTest::newRow("answer that is not XML") << "CheckFileName=bad-xml"
                                            << "[5005]";
    QTest::newRow("answer header not OK") << "CheckFileName=status:Folder locked"
                                          << "[5009]";
}

void TestFaults::failedNameCheck()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    DevServer server({"--seed", "demo", "--server-version", "4.7", "--fault", fault});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    const KitbenchRun run =
        KitbenchRun::start({"/upload", "/L", "admin@" + server.address(), "/P", "admin"}, upload());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(arrived(server, "CheckFileName"), 1);
    QCOMPARE(arrived(server, "FilePublishing.aspx"), 0);
    const QStringList shown = messages(run);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(message), qPrintable(run.err));
    if (message == "[5009]")
        QVERIFY2(shown.first().endsWith("Folder locked"), qPrintable(run.err));
    QVERIFY2(run.out.contains("'" + m_file + "' - cancelled"), qPrintable(run.out));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
