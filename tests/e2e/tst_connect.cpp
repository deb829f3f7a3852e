// Connecting refuses the jobs a server version cannot serve: after GetServerVersion (with the login in
// its header) nothing else reaches the server, while an admitted job goes on to its first page. /USESSL
// against a server with a throw-away authority's certificate: trusted through the environment, the job
// goes through; not trusted, the wizard names the certificate problem and nothing reaches the server.
#include "Scenario.h"

#include <QProcess>
#include <QTest>

class TestConnect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(QProcess::execute(QStringLiteral(MAKE_TEST_CERTS), {m_certs.path()}), 0); }
    void againstTheServer_data();
    void againstTheServer();

private:
    QTemporaryDir m_certs;
    ScenarioPlayer m_player;
};

void TestConnect::againstTheServer_data()
{
    QTest::addColumn<Scenario>("row");
    // Nothing after the version.
    const QStringList onlyTheVersion{"GetServerVersion [] OK"};
    auto refused = [&](const QString& version, const QString& job, const QString& id) {
        return Scenario{.job = {job},
                        .version = version,
                        .exitCode = 2,
                        .pages = {0, 1},
                        .calls = onlyTheVersion,
                        .onlyCalls = true,
                        .err = {"[" + id + "]"}};
    };
    QTest::newRow("3.0 refuses an incident") << refused("3.0", "/createincident", "5042");
    QTest::newRow("3.5 refuses the calendar") << refused("3.5", "/exportcalendar", "5065");
    QTest::newRow("3.0 serves a download")
        << Scenario{.job = {"/download"},
                    .answers = "[page 7]\nAssetListTreeView = key:A3\n[dialog SaveFile]\nFileName = .\n",
                    .version = "3.0",
                    .pages = {0, 1, 7, 21},
                    .calls = {"GetServerVersion [] OK", "FileDownload.aspx"}};
    QTest::newRow("3.5 serves a to-do") << Scenario{.job = {"/createtodo"},
                                                    .answers = "[page 5]\nToDoTitleText = C\n",
                                                    .version = "3.5",
                                                    .pages = {0, 1, 5, 18, 20, 21},
                                                    .calls = {"GetServerVersion [] OK", "CreateToDo"}};
    auto overTls = [this](const QString& authority) {
        return Scenario{.job = {"/createincident", "/USESSL"},
                        .answers = "[page 2]\nIncidentTitleText = Over TLS\n",
                        .faults = {"--tls-cert " + m_certs.filePath("server.pem"),
                                   "--tls-key " + m_certs.filePath("server.key")},
                        .environment = {{"SSL_CERT_FILE", m_certs.filePath(authority)},
                                        {"SSL_CERT_DIR", m_certs.filePath("none")}}};
    };
    Scenario trusted = overTls("ca.pem");
    trusted.calls = {"CreateIncident45 [\"Over TLS\",* OK"};
    QTest::newRow("trusted authority") << trusted;
    Scenario unknown = overTls("other-ca.pem");
    unknown.exitCode = 2;
    unknown.pages = {0, 1};
    unknown.onlyCalls = true; // not one request got through the handshake
    QTest::newRow("unknown authority") << unknown;
}

void TestConnect::againstTheServer()
{
    QFETCH(Scenario, row);
    QVERIFY2(m_player.plays(row), m_player.why());
    if (!row.calls.isEmpty())
        QCOMPARE(m_player.server().calls("GetServerVersion").last().value("user").toString(),
                 QString("admin"));
    if (row.job.contains("/USESSL"))
        QCOMPARE(m_player.server().scheme(), QStringLiteral("https"));
    if (row.job.contains("/USESSL") && row.exitCode)
        QVERIFY2(m_player.run().err.contains("certificate", Qt::CaseInsensitive),
                 qPrintable(m_player.run().err));
}

QTEST_GUILESS_MAIN(TestConnect)
#include "tst_connect.moc"
