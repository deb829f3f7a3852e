// The jobs under real faults (a misbehaving proxy, the server's fault knobs): a request that changed the
// server arrives once, a silent server ends the run, idle connections closed cost nothing.
#include "FaultProxy.h"
#include "Scenario.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using Fault = FaultProxy::Fault;

const QString kIncident = "[page 2]\nIncidentTitleText = Printer jam\n[page 20]\n[messages]\n5061 = Yes\n";

// The messages of a run, one "[ID] text" line each, without the time-zone question the answers answer.
QStringList messages(const KitbenchRun& run)
{
    QStringList shown = run.err.split('\n').filter(QRegularExpression("^\\[\\d+\\] "));
    shown.removeIf([](const QString& message) { return message.startsWith("[5061]"); });
    return shown;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void faults_data();
    void faults();

private:
    QTemporaryDir m_files;
    QString m_file;
    ScenarioPlayer m_player;
};

void TestFaults::initTestCase()
{
    m_file = m_files.filePath("minutes.txt");
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(300000, 'm')));
}

void TestFaults::faults_data()
{
    QTest::addColumn<Scenario>("row");
    QTest::addColumn<Fault>("fault"); // of the proxy; Forward: no proxy
    QTest::addColumn<QByteArray>("match");
    QTest::addColumn<int>("idleMs");
    QTest::addColumn<QStringList>("arriveOnce"); // methods or pages that reach the server exactly once
    QTest::addColumn<QStringList>("shown");      // a text of each message shown (rows without `err`)
    const QString upload =
        "[page 20]\nPublishedFileList = " + m_file + "\n[page 6]\nFileListTreeView = key:F4\n";
    const Scenario incident{.job = {"/createincident"}, .answers = kIncident};
    auto with = [](Scenario row, int exitCode, const QString& extra, const QStringList& err = {}) {
        row.exitCode = exitCode;
        row.answers = extra + row.answers;
        row.err = err;
        return row;
    };
    const QStringList none;
    const Scenario upload0{.job = {"/upload"}, .answers = upload};
    // The transport error is shown once and the wizard stays on its page; a failed post is offered for
    // Abort, Retry or Ignore, and Abort ends the queue.
    QTest::newRow("dropped after the create call")
        << with(incident, 2, "") << Fault::DropAfterRequest << QByteArray("CreateIncident45") << 0
        << QStringList{"CreateIncident45"} << QStringList{"not sent again"};
    QTest::newRow("dropped after the post")
        << with(upload0, 0, "[messages]\n5019 = Abort\n") << Fault::DropAfterRequest
        << QByteArray("FilePublishing.aspx") << 0 << QStringList{"FilePublishing.aspx"}
        << QStringList{"[5019]"};
    // Nothing arrives: the timeout cancels the call or transfer with its own message.
    const QString timeout = "[options]\nTimeout = 2\n";
    Scenario stalled = with(incident, 2, timeout, {"[9160]", "[5035]"});
    stalled.absent = {"CreateIncident45"};
    QTest::newRow("create call never answered")
        << stalled << Fault::NeverAnswer << QByteArray("CreateIncident45") << 0 << none << none;
    Scenario stalledPost = with(upload0, 2, timeout + "[messages]\n5011 = Abort\n", {"[9160]", "[5011]"});
    stalledPost.absent = {"FilePublishing.aspx"};
    stalledPost.fresh = true; // the file was published above
    QTest::newRow("publishing post never answered")
        << stalledPost << Fault::NeverAnswer << QByteArray("FilePublishing.aspx") << 0 << none << none;
    Scenario stalledLogin = with(incident, 2, timeout, {"[9160]", "[5035]"});
    stalledLogin.absent = {"GetServerVersion"};
    QTest::newRow("first call of the login never answered")
        << stalledLogin << Fault::NeverAnswer << QByteArray() << 0 << none << none;
    // Connections closed while idle are opened again without a word. Dead without notice: a request on
    // such a connection is lost before the server; every connection is dead once answered, so the run
    // meets one however fast it is.
    Scenario withFile{.job = {"/createincident", m_file}, .answers = kIncident};
    QTest::newRow("closed at once") << withFile << Fault::CloseIdle << QByteArray() << 1
                                    << QStringList{"CreateIncident45", "FilePublishing.aspx"} << none;
    QTest::newRow("dead without notice") << withFile << Fault::StaleIdle << QByteArray() << 0
                                         << QStringList{"CreateIncident45", "FilePublishing.aspx"} << none;
    // A name check that fails publishes nothing: the file is cancelled with the one message.
    auto nameCheck = [&](const QString& fault) {
        return Scenario{.job = {"/upload"},
                        .answers = upload,
                        .faults = {"CheckFileName=" + fault},
                        .absent = {"FilePublishing.aspx"},
                        .out = {"'" + m_file + "' - cancelled"}};
    };
    QTest::newRow("name check: SOAP fault") << nameCheck("soap-fault") << Fault::Forward << QByteArray() << 0
                                            << QStringList{"CheckFileName"} << QStringList{"[5005]"};
    QTest::newRow("name check: header not OK")
        << nameCheck("status:Folder locked") << Fault::Forward << QByteArray() << 0
        << QStringList{"CheckFileName"} << QStringList{"[5009] The server reported an error: Folder locked"};
}

void TestFaults::faults()
{
    QFETCH(Scenario, row);
    QFETCH(Fault, fault);
    QFETCH(QByteArray, match);
    QFETCH(int, idleMs);
    QFETCH(QStringList, arriveOnce);
    QFETCH(QStringList, shown);
    DevServer& server = m_player.serverFor(row);
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    std::unique_ptr<FaultProxy> proxy;
    if (fault != Fault::Forward)
        proxy = std::make_unique<FaultProxy>(server.address(), fault, match, idleMs);
    QVERIFY2(m_player.plays(row, proxy ? proxy->address() : QString(), &server), m_player.why());
    for (const QString& name : arriveOnce)
        QCOMPARE(m_player.journal().filter(QRegularExpression("^\\Q" + name + "\\E ")).size(), 1);
    if (proxy && (fault == Fault::CloseIdle || fault == Fault::StaleIdle))
        QVERIFY(proxy->faults() > 0);
    else if (proxy)
        QCOMPARE(proxy->faults(), 1);
    if (!row.err.isEmpty())
        return;
    const QStringList messagesShown = messages(m_player.run());
    QCOMPARE(messagesShown.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2(messagesShown[i].contains(shown[i]), qPrintable(m_player.run().err));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
