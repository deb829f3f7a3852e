#include "TempSettings.h"

#include "platform/DesktopSecretStore.h"
#include "platform/SettingsStore.h"
#include "shell/ConnectionSettings.h"

#include <QFile>
#include <QMap>
#include <QTest>

using namespace kitbench;

namespace {

// A keyring in memory that can be switched off, as a desktop without a secret service is.
class FakeSecretStore : public SecretStore
{
public:
    bool available = true;
    QMap<QString, QString> entries;

    Answer read(const QString& key) override
    {
        if (!available)
            return {};
        return entries.contains(key) ? Answer{Status::Found, entries.value(key)}
                                     : Answer{Status::Missing, {}};
    }
    bool write(const QString& key, const QString& value) override
    {
        if (available)
            entries.insert(key, value);
        return available;
    }
    bool remove(const QString& key) override
    {
        if (available)
            entries.remove(key);
        return available;
    }
    // The settings keys held, without the settings file each entry names.
    QStringList keys() const
    {
        QStringList names;
        for (const QString& key : entries.keys())
            names.append(key.section(QLatin1Char('@'), 0, 0));
        return names;
    }
    QString value(const QString& settingsKey) const
    {
        return entries.value(settingsKey + QLatin1Char('@') + SettingsStore().fileName());
    }
};

ConnectionValues typedValues(const QString& password, bool save, const QString& proxyPassword)
{
    ConnectionValues values;
    values.login = QStringLiteral("admin@orv.example");
    values.password = password;
    values.savePassword = save;
    values.proxyPassword = proxyPassword;
    return values;
}

QString rawValue(const QString& key)
{
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                  QStringLiteral("Harlowe"));
    return raw.value(QStringLiteral("Orvello Kitbench Wizard/") + key).toString();
}

QFileDevice::Permissions fileMode()
{
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                  QStringLiteral("Harlowe"));
    return QFile::permissions(raw.fileName()) &
           ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ExeOwner);
}

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

class TestPasswords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_temp = std::make_unique<TempSettings>(); }
    void cleanup() { m_temp.reset(); }

    void savedWhereTheyAreSafest_data();
    void savedWhereTheyAreSafest();
    void plainTextMovesIntoTheKeyringOnTheNextSave();
    void clearingRemovesFromBothStores();
    void passwordClearedWithoutKeyringDoesNotComeBack();
    void fallbackFileStaysPrivateAcrossSaves();
    void otherSettingsFilesKeepTheirPasswords();
    void desktopStoreWithoutSessionBusIsUnavailable();

private:
    std::unique_ptr<TempSettings> m_temp;
};

void TestPasswords::savedWhereTheyAreSafest_data()
{
    QTest::addColumn<bool>("keyring");
    QTest::addColumn<bool>("savePassword");
    QTest::addColumn<QString>("plainUserData");
    QTest::addColumn<QString>("plainProxyPassword");
    QTest::addColumn<QStringList>("inKeyring");
    QTest::newRow("keyring, saved") << true << true << ""
                                    << "" << QStringList{"ProxyPassword", "UserData"};
    QTest::newRow("keyring, not saved") << true << false << ""
                                        << "" << QStringList{"ProxyPassword"};
    QTest::newRow("no keyring, saved") << false << true << "s3cret"
                                       << "pp" << QStringList{};
    QTest::newRow("no keyring, not saved") << false << false << ""
                                           << "pp" << QStringList{};
}

void TestPasswords::savedWhereTheyAreSafest()
{
    QFETCH(bool, keyring);
    QFETCH(bool, savePassword);
    QFETCH(QString, plainUserData);
    QFETCH(QString, plainProxyPassword);
    QFETCH(QStringList, inKeyring);
    SettingsStore settings;
    FakeSecretStore secrets;
    secrets.available = keyring;
    saveConnectionSettings(
        settings, typedValues(QStringLiteral("s3cret"), savePassword, QStringLiteral("pp")), &secrets);
    QCOMPARE(rawValue(QStringLiteral("UserData")), plainUserData);
    QCOMPARE(rawValue(QStringLiteral("ProxyPassword")), plainProxyPassword);
    QCOMPARE(secrets.keys(), inKeyring);
    if (!plainUserData.isEmpty())
        QCOMPARE(fileMode(), ownerOnly);

    const ConnectionValues next = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
    QCOMPARE(next.password, savePassword ? QStringLiteral("s3cret") : QString());
    QCOMPARE(next.savePassword, savePassword);
    QCOMPARE(next.proxyPassword, QStringLiteral("pp"));
}

void TestPasswords::plainTextMovesIntoTheKeyringOnTheNextSave()
{
    SettingsStore settings;
    saveConnectionSettings(
        settings, typedValues(QStringLiteral("old"), true, QStringLiteral("old-proxy"))); // no keyring
    FakeSecretStore secrets;
    const ConnectionValues restored = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
    QCOMPARE(restored.password, QStringLiteral("old"));
    saveConnectionSettings(settings, restored, &secrets);
    QCOMPARE(rawValue(QStringLiteral("UserData")), QString());
    QCOMPARE(rawValue(QStringLiteral("ProxyPassword")), QString());
    QCOMPARE(secrets.value(QStringLiteral("UserData")), QStringLiteral("old"));
    QCOMPARE(secrets.value(QStringLiteral("ProxyPassword")), QStringLiteral("old-proxy"));
}

void TestPasswords::clearingRemovesFromBothStores()
{
    SettingsStore settings;
    FakeSecretStore secrets;
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), true, QString()), &secrets);
    settings.write(QStringLiteral("UserData"), QStringLiteral("stray plain copy"));
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), false, QString()), &secrets);
    QVERIFY(secrets.entries.isEmpty());
    QCOMPARE(rawValue(QStringLiteral("UserData")), QString());
    QCOMPARE(restoreConnectionSettings(settings, ConnectionValues{}, &secrets).password, QString());
}

void TestPasswords::passwordClearedWithoutKeyringDoesNotComeBack()
{
    SettingsStore settings;
    FakeSecretStore secrets;
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), true, QString()), &secrets);
    secrets.available = false;
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), false, QString()), &secrets);
    secrets.available = true;
    QCOMPARE(secrets.keys(), QStringList{"UserData"}); // could not be removed then
    const ConnectionValues next = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
    QCOMPARE(next.password, QString());
    QVERIFY(!next.savePassword);
}

void TestPasswords::fallbackFileStaysPrivateAcrossSaves()
{
    SettingsStore settings;
    settings.write(QStringLiteral("UserLogin"),
                   QStringLiteral("someone")); // the file exists with the umask's mode
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), true, QString()));
    QCOMPARE(fileMode(), ownerOnly);
    settings.write(QStringLiteral("IntroductionScreen"), QStringLiteral("ShowIntro"));
    QCOMPARE(fileMode(), ownerOnly);
    QCOMPARE(rawValue(QStringLiteral("UserData")), QStringLiteral("s3cret"));
}

void TestPasswords::otherSettingsFilesKeepTheirPasswords()
{
    // The user's own wizard saved a password; a demo with a settings folder of its own clears its box.
    FakeSecretStore secrets;
    const QString users = QStringLiteral("UserData@/home/u/.config/Harlowe/Harlowe.conf");
    secrets.entries.insert(users, QStringLiteral("theirs"));
    SettingsStore settings;
    saveConnectionSettings(settings, typedValues(QStringLiteral("demo"), true, QString()), &secrets);
    saveConnectionSettings(settings, typedValues(QStringLiteral("demo"), false, QString()), &secrets);
    QCOMPARE(secrets.entries, (QMap<QString, QString>{{users, QStringLiteral("theirs")}}));
}

void TestPasswords::desktopStoreWithoutSessionBusIsUnavailable()
{
    // No desktop session: the store says so at once, and the password falls back to the file.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kitbench-test-bus");
    DesktopSecretStore secrets(QStringLiteral("Orvello Kitbench test"));
    QCOMPARE(secrets.read(QStringLiteral("UserData")).status, SecretStore::Status::Unavailable);
    QVERIFY(!secrets.write(QStringLiteral("UserData"), QStringLiteral("x")));
    SettingsStore settings;
    saveConnectionSettings(settings, typedValues(QStringLiteral("s3cret"), true, QString()), &secrets);
    QCOMPARE(rawValue(QStringLiteral("UserData")), QStringLiteral("s3cret"));
    QCOMPARE(fileMode(), ownerOnly);
}

QTEST_GUILESS_MAIN(TestPasswords)
#include "tst_passwords.moc"
