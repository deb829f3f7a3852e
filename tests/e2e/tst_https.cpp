// /USESSL against a server with a throw-away authority's certificate: trusted, the job goes through; not
// trusted, the wizard names the certificate problem and nothing reaches the server.
#include "Scenario.h"

#include <QProcess>
#include <QTest>

class TestHttps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(QProcess::execute(QStringLiteral(MAKE_TEST_CERTS), {m_certs.path()}), 0); }
    void jobOverHttps_data();
    void jobOverHttps();

private:
    QTemporaryDir m_certs;
    ScenarioPlayer m_player;
};

void TestHttps::jobOverHttps_data()
{
    QTest::addColumn<Scenario>("row");
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

void TestHttps::jobOverHttps()
{
    QFETCH(Scenario, row);
    const QString differences = m_player.play(row);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    QCOMPARE(m_player.server().scheme(), QStringLiteral("https"));
    if (row.exitCode)
        QVERIFY2(m_player.run().err.contains("certificate", Qt::CaseInsensitive),
                 qPrintable(m_player.run().err));
}

QTEST_GUILESS_MAIN(TestHttps)
#include "tst_https.moc"
