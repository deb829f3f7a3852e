// /USESSL against the development server serving HTTPS with a certificate from a throw-away
// authority: trusted through the environment the job goes through; not trusted, the wizard names
// the certificate problem and nothing reaches the server.
#include "DevServer.h"
#include "KitbenchRun.h"

#include <QProcess>
#include <QTest>

class TestHttps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void jobOverHttps_data();
    void jobOverHttps();

private:
    QTemporaryDir m_certs;
};

void TestHttps::initTestCase()
{
    QCOMPARE(QProcess::execute(QStringLiteral(MAKE_TEST_CERTS), {m_certs.path()}), 0);
}

void TestHttps::jobOverHttps_data()
{
    QTest::addColumn<QString>("trustedAuthority");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("trusted authority") << "ca.pem" << true;
    QTest::newRow("unknown authority") << "other-ca.pem" << false;
}

void TestHttps::jobOverHttps()
{
    QFETCH(QString, trustedAuthority);
    QFETCH(bool, trusted);
    DevServer server(
        {"--tls-cert", m_certs.filePath("server.pem"), "--tls-key", m_certs.filePath("server.key")});
    QVERIFY2(!server.address().isEmpty(), qPrintable(server.errorOutput()));
    QCOMPARE(server.scheme(), QStringLiteral("https"));

    const KitbenchRun run = KitbenchRun::start(
        {"/createincident", "/L", "admin@" + server.address(), "/P", "admin", "/USESSL"},
        "[page 2]\nIncidentTitleText = Over TLS\n", 60000,
        {{"SSL_CERT_FILE", m_certs.filePath(trustedAuthority)}, {"SSL_CERT_DIR", m_certs.filePath("none")}});
    if (trusted) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QList<QJsonObject> created = server.calls("CreateIncident45");
        QCOMPARE(created.size(), 1);
        QCOMPARE(created[0].value("args").toArray().at(0).toString(), QStringLiteral("Over TLS"));
        QCOMPARE(created[0].value("status").toString(), QStringLiteral("OK"));
    } else {
        QVERIFY2(run.exitCode == 2, qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("certificate"), Qt::CaseInsensitive), qPrintable(run.err));
        QCOMPARE(run.pages(), (QList<int>{0, 1}));
        QCOMPARE(server.journalSize(), 0); // not one request got through the handshake
    }
}

QTEST_GUILESS_MAIN(TestHttps)
#include "tst_https.moc"
