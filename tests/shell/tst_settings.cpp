#include "TempSettings.h"

#include "platform/SettingsStore.h"
#include "shell/ConnectionSettings.h"

#include <QTest>

using namespace kitbench;

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_temp = std::make_unique<TempSettings>(); }
    void cleanup() { m_temp.reset(); }

    void missingValuesReadTheirDefaults();
    void saveThenRestoreRoundTrips();
    void passwordIsKeptOnlyWhenAsked();
    void commandLineValuesWin();
    void proxyMode_data();
    void proxyMode();
    void damagedValuesReadAsDefaults();
    void storeKeepsApplicationAndSection();

private:
    std::unique_ptr<TempSettings> m_temp;
};

void TestSettings::missingValuesReadTheirDefaults()
{
    SettingsStore store;
    const ConnectionValues page = restoreConnectionSettings(store, ConnectionValues{});
    QCOMPARE(page.login, QString());
    QCOMPARE(page.password, QString());
    QVERIFY(!page.savePassword);
    QVERIFY(page.proxyFromBrowser);
    QVERIFY(!page.useProxy);
    QVERIFY(!page.useSsl);
    QCOMPARE(store.read(QStringLiteral("CalendarPeriod"), QStringLiteral("0")), QStringLiteral("0"));
}

void TestSettings::saveThenRestoreRoundTrips()
{
    SettingsStore store;
    ConnectionValues typed;
    typed.login = QStringLiteral("admin@orv.example:8080");
    typed.password = QStringLiteral(" p@ss wörd ");
    typed.savePassword = true;
    typed.useSsl = true;
    typed.useProxy = true;
    typed.proxyFromBrowser = false;
    typed.proxyServer = QStringLiteral("proxy:3128");
    typed.proxyUser = QStringLiteral("pu");
    typed.proxyPassword = QStringLiteral("pp");
    saveConnectionSettings(store, typed);
    QCOMPARE(restoreConnectionSettings(store, ConnectionValues{}), typed);
    QCOMPARE(store.read(QStringLiteral("ProxyMode"), QString()), QStringLiteral("Custom"));
    QCOMPARE(store.read(QStringLiteral("UseSSL"), QString()), QStringLiteral("True"));
}

void TestSettings::passwordIsKeptOnlyWhenAsked()
{
    SettingsStore store;
    ConnectionValues typed;
    typed.login = QStringLiteral("u");
    typed.password = QStringLiteral("secret");
    typed.savePassword = false;
    typed.proxyPassword = QStringLiteral("proxy-secret");
    saveConnectionSettings(store, typed);
    QCOMPARE(store.read(QStringLiteral("UserData"), QStringLiteral("x")), QString());
    const ConnectionValues next = restoreConnectionSettings(store, ConnectionValues{});
    QCOMPARE(next.password, QString());
    QVERIFY(!next.savePassword);
    QCOMPARE(next.proxyPassword, QStringLiteral("proxy-secret"));
}

void TestSettings::commandLineValuesWin()
{
    SettingsStore store;
    store.write(QStringLiteral("UserLogin"), QStringLiteral("stored"));
    store.write(QStringLiteral("UserData"), QStringLiteral("stored-pw"));
    store.write(QStringLiteral("UseSSL"), QStringLiteral("False"));

    ConnectionValues fromCommandLine;
    fromCommandLine.login = QStringLiteral("given");
    fromCommandLine.password = QStringLiteral("given-pw");
    fromCommandLine.useSsl = true;
    const ConnectionValues page = restoreConnectionSettings(store, fromCommandLine);
    QCOMPARE(page.login, QStringLiteral("given"));
    QCOMPARE(page.password, QStringLiteral("given-pw"));
    QVERIFY(!page.savePassword); // keeps its design state
    QVERIFY(page.useSsl);

    // An empty password from the command line lets the stored one in, and checks the box.
    fromCommandLine.password.clear();
    const ConnectionValues empty = restoreConnectionSettings(store, fromCommandLine);
    QCOMPARE(empty.password, QStringLiteral("stored-pw"));
    QVERIFY(empty.savePassword);
}

void TestSettings::proxyMode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("fromBrowser");
    QTest::newRow("Default") << "Default" << true;
    QTest::newRow("Custom") << "Custom" << false;
    QTest::newRow("old or damaged value") << "default" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSettings::proxyMode()
{
    QFETCH(QString, stored);
    QFETCH(bool, fromBrowser);
    SettingsStore store;
    store.write(QStringLiteral("ProxyMode"), stored);
    QCOMPARE(restoreConnectionSettings(store, ConnectionValues{}).proxyFromBrowser, fromBrowser);
}

void TestSettings::damagedValuesReadAsDefaults()
{
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"), QStringLiteral("Harlowe"));
        raw.beginGroup(QStringLiteral("Orvello Kitbench Wizard"));
        raw.setValue(QStringLiteral("UseProxy"), QStringList{QStringLiteral("True"), QStringLiteral("x")});
        raw.setValue(QStringLiteral("UseSSL"), QStringLiteral("true")); // comparisons are case-sensitive
    }
    SettingsStore store;
    const ConnectionValues page = restoreConnectionSettings(store, ConnectionValues{});
    QVERIFY(!page.useProxy);
    QVERIFY(!page.useSsl);
}

void TestSettings::storeKeepsApplicationAndSection()
{
    SettingsStore store;
    store.write(QStringLiteral("IntroductionScreen"), QStringLiteral("ShowIntro"));
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"), QStringLiteral("Harlowe"));
    QCOMPARE(raw.value(QStringLiteral("Orvello Kitbench Wizard/IntroductionScreen")).toString(),
             QStringLiteral("ShowIntro"));
    QVERIFY(raw.fileName().startsWith(m_temp->path()));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
