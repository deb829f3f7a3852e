#include "session/ServerAddress.h"

#include <QTest>

using namespace kitbench;

class TestServerAddress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseLogin_data();
    void parseLogin();
    void buildPortalUrl_data();
    void buildPortalUrl();
    void buildWebLoginUrl();
    void urlEncode_data();
    void urlEncode();
};

void TestServerAddress::parseLogin_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("portal");
    QTest::addColumn<QString>("server");
    QTest::newRow("no @") << "admin"
                          << ""
                          << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("plain host") << "admin@localhost"
                                << "localhost"
                                << "localhost";
    QTest::newRow("two dots and a port") << "pm@orvello.example.com:8080"
                                         << "orvello_example_com"
                                         << "orvello.example.com:8080";
    QTest::newRow("two @: the last one counts") << "a@b@srv.example"
                                                << "srv_example"
                                                << "srv.example";
    QTest::newRow("@ at the end") << "admin@"
                                  << ""
                                  << "";
    QTest::newRow("blanks are kept") << " admin@host "
                                     << "host "
                                     << "host ";
    QTest::newRow("everything after the first colon goes") << "x@h.a:1:2"
                                                           << "h_a"
                                                           << "h.a:1:2";
}

void TestServerAddress::parseLogin()
{
    QFETCH(QString, login);
    QFETCH(QString, portal);
    QFETCH(QString, server);
    QCOMPARE(ParseLogin(login), portal);
    QCOMPARE(ParseLoginLeaveDots(login), server);
}

void TestServerAddress::buildPortalUrl_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<QString>("url");
    const QString path = QStringLiteral("/WebServices/OrvProject.asmx?WSDL");
    QTest::newRow("http") << "admin@127.0.0.1:8080" << false
                          << "http://127.0.0.1:8080/portals/127_0_0_1/WebServices/OrvProject.asmx?WSDL";
    QTest::newRow("https, host with two dots and a port")
        << "pm@orvello.example.com:8443" << true
        << "https://orvello.example.com:8443/portals/orvello_example_com/WebServices/OrvProject.asmx?WSDL";
    QTest::newRow("no @: scheme then /portals/")
        << "admin" << false << "http:///portals//WebServices/OrvProject.asmx?WSDL";
}

void TestServerAddress::buildPortalUrl()
{
    QFETCH(QString, login);
    QFETCH(bool, ssl);
    QFETCH(QString, url);
    QCOMPARE(BuildPortalUrl(login, QStringLiteral("/WebServices/OrvProject.asmx?WSDL"), ssl), url);
}

void TestServerAddress::buildWebLoginUrl()
{
    // The whole login travels, and the page lies at the root of the host, outside the portal.
    QCOMPARE(BuildWebLoginUrl(QStringLiteral("jo@srv.example:81"), QStringLiteral("p w+"),
                              QStringLiteral("/Incidents/IncidentView.aspx?IncidentId=7"), false),
             QStringLiteral("http://srv.example:81/default.aspx?login=jo%40srv%2Eexample%3A81&password=p+w%2B"
                            "&redirect=%2FIncidents%2FIncidentView%2Easpx%3FIncidentId%3D7"));
    QVERIFY(BuildWebLoginUrl(QStringLiteral("a@h"), QStringLiteral("x"), QString(), true)
                .startsWith(QStringLiteral("https://h/default.aspx?")));
}

void TestServerAddress::urlEncode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("letters and digits pass") << "AZaz09"
                                             << "AZaz09";
    QTest::newRow("space") << "a b"
                           << "a+b";
    QTest::newRow("full stop") << "."
                               << "%2E";
    QTest::newRow("tab") << "\t"
                         << "%09";
    QTest::newRow("@") << "@"
                       << "%40";
    QTest::newRow("+") << "+"
                       << "%2B";
    QTest::newRow("-") << "-"
                       << "%2D";
    QTest::newRow("_") << "_"
                       << "%5F";
    QTest::newRow("~") << "~"
                       << "%7E";
    QTest::newRow("Latin-1 letter: one byte") << QString::fromUtf8("\xc3\xa4") << "%E4";
    QTest::newRow("outside Latin-1: UTF-8 bytes") << QString::fromUtf8("\xd0\x96") << "%D0%96";
    QTest::newRow("euro sign") << QString::fromUtf8("\xe2\x82\xac") << "%E2%82%AC";
    QTest::newRow("surrogate pair") << QString::fromUtf8("\xf0\x9f\x98\x80") << "%F0%9F%98%80";
    QTest::newRow("empty") << ""
                           << "";
}

void TestServerAddress::urlEncode()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(URLEncode(text), encoded);
}

QTEST_GUILESS_MAIN(TestServerAddress)
#include "tst_serveraddress.moc"
