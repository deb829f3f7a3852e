// The connection page's values between runs: what is stored where, passwords in the keyring when there
// is one and in an owner-only file when not, and what the command line overrides.
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
    bool remove(const QString& key) override { return available && entries.remove(key) >= 0; }
    // The settings keys held, without the settings file each entry names.
    QStringList keys() const
    {
        QStringList names;
        for (const QString& key : entries.keys())
            names.append(key.section('@', 0, 0));
        return names;
    }
};

ConnectionValues typedValues(const QString& password, bool save, const QString& proxyPassword = {})
{
    ConnectionValues values;
    values.login = QStringLiteral("admin@orv.example");
    values.password = password;
    values.savePassword = save;
    values.proxyPassword = proxyPassword;
    return values;
}

// Keyring there, password to be saved; what the settings file holds in plain text, the keyring's keys.
using SavedPasswords = std::tuple<bool, bool, QString, QString, QStringList>;

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_temp = std::make_unique<TempSettings>(); }
    void cleanup() { m_temp.reset(); }

    void saveThenRestoreRoundTrips()
    {
        SettingsStore store;
        QCOMPARE(restoreConnectionSettings(store, ConnectionValues{}),
                 ConnectionValues{}); // nothing stored yet
        ConnectionValues typed = typedValues(" p@ss wörd ", true, "pp");
        typed.useSsl = true;
        typed.useProxy = true;
        typed.proxyFromBrowser = false;
        typed.proxyServer = QStringLiteral("proxy:3128");
        typed.proxyUser = QStringLiteral("pu");
        saveConnectionSettings(store, typed);
        QCOMPARE(restoreConnectionSettings(store, ConnectionValues{}), typed);
        QCOMPARE(rawValue("ProxyMode"), QStringLiteral("Custom"));
        QCOMPARE(rawValue("UseSSL"), QStringLiteral("True"));
    }

    void commandLineValuesWin()
    {
        SettingsStore store;
        store.write("UserLogin", "stored");
        store.write("UserData", "stored-pw");
        store.write("UseSSL", "False");
        ConnectionValues given;
        given.login = QStringLiteral("given");
        given.password = QStringLiteral("given-pw");
        given.useSsl = true;
        const ConnectionValues page = restoreConnectionSettings(store, given);
        // The box to save the password keeps its design state.
        QCOMPARE(std::tuple(page.login, page.password, page.savePassword, page.useSsl),
                 std::tuple(given.login, given.password, false, true));
        // (An empty password from the command line lets the stored one in: tst_wizard.)
    }

    void storedValuesRead()
    {
        using Flags = std::tuple<bool, bool, bool>;       // proxy from the browser, use a proxy, SSL
        using Row = std::tuple<QString, QVariant, Flags>; // key, stored value, flags read
        for (const auto& [key, stored, flags] : {
                 Row{"ProxyMode", "Default", {true, false, false}},
                 Row{"ProxyMode", "default", {false, false, false}}, // other case
                 Row{"ProxyMode", "", {false, false, false}}, Row{"UseProxy", "True", {true, true, false}},
                 Row{"UseProxy", QStringList{"True", "x"}, {true, false, false}}, // damaged: a list
                 Row{"UseSSL", "true", {true, false, false}},                     // other case
             }) {
            rawFile().setValue("Orvello Kitbench Wizard/" + key, stored);
            SettingsStore store;
            const ConnectionValues page = restoreConnectionSettings(store, ConnectionValues{});
            QCOMPARE(Flags(page.proxyFromBrowser, page.useProxy, page.useSsl), flags);
            rawFile().remove("Orvello Kitbench Wizard/" + key);
        }
    }

    void passwordsSavedWhereTheyAreSafest()
    {
        for (const auto& [keyring, savePassword, plainUserData, plainProxyPassword, inKeyring] : {
                 SavedPasswords{true, true, {}, {}, {"ProxyPassword", "UserData"}},
                 SavedPasswords{true, false, {}, {}, {"ProxyPassword"}},
                 SavedPasswords{false, true, "s3cret", "pp", {}},
                 SavedPasswords{false, false, {}, "pp", {}},
             }) {
            m_temp = std::make_unique<TempSettings>();
            SettingsStore settings;
            FakeSecretStore secrets;
            secrets.available = keyring;
            saveConnectionSettings(settings, typedValues("s3cret", savePassword, "pp"), &secrets);
            const ConnectionValues next = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
            QCOMPARE(std::tuple(keyring, savePassword, rawValue("UserData"), rawValue("ProxyPassword"),
                                secrets.keys(), next.password, next.savePassword, next.proxyPassword),
                     std::tuple(keyring, savePassword, plainUserData, plainProxyPassword, inKeyring,
                                savePassword ? QStringLiteral("s3cret") : QString(), savePassword,
                                QStringLiteral("pp")));
            QVERIFY(plainUserData.isEmpty() || ownerOnly());
        }
    }

    void plainTextMovesIntoTheKeyringOnTheNextSave()
    {
        SettingsStore settings;
        saveConnectionSettings(settings, typedValues("old", true, "old-proxy")); // no keyring
        FakeSecretStore secrets;
        const ConnectionValues restored = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
        QCOMPARE(restored.password, QStringLiteral("old"));
        saveConnectionSettings(settings, restored, &secrets);
        QCOMPARE(rawValue("UserData"), QString());
        QCOMPARE(rawValue("ProxyPassword"), QString());
        const QString file = '@' + settings.fileName();
        QCOMPARE(secrets.entries.value("UserData" + file), QStringLiteral("old"));
        QCOMPARE(secrets.entries.value("ProxyPassword" + file), QStringLiteral("old-proxy"));
    }

    void clearedPasswordDoesNotComeBack()
    {
        // Unchecking the box removes the password from both stores...
        SettingsStore settings;
        FakeSecretStore secrets;
        saveConnectionSettings(settings, typedValues("s3cret", true), &secrets);
        settings.write("UserData", "stray plain copy");
        saveConnectionSettings(settings, typedValues("s3cret", false), &secrets);
        QVERIFY(secrets.entries.isEmpty());
        QCOMPARE(rawValue("UserData"), QString());
        QCOMPARE(restoreConnectionSettings(settings, ConnectionValues{}, &secrets).password, QString());

        // ... and a keyring away at that moment does not bring it back later.
        saveConnectionSettings(settings, typedValues("s3cret", true), &secrets);
        secrets.available = false;
        saveConnectionSettings(settings, typedValues("s3cret", false), &secrets);
        secrets.available = true;
        QCOMPARE(secrets.keys(), QStringList{"UserData"}); // could not be removed then
        const ConnectionValues next = restoreConnectionSettings(settings, ConnectionValues{}, &secrets);
        QCOMPARE(next.password, QString());
        QVERIFY(!next.savePassword);
    }

    void fallbackFileStaysPrivate()
    {
        SettingsStore settings;
        settings.write("UserLogin", "someone"); // the file exists with the umask's mode
        // No desktop session: the store says so at once, and the password falls back to the file.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kitbench-test-bus");
        DesktopSecretStore secrets(QStringLiteral("Orvello Kitbench test"));
        QCOMPARE(secrets.read("UserData").status, SecretStore::Status::Unavailable);
        QVERIFY(!secrets.write("UserData", "x"));
        saveConnectionSettings(settings, typedValues("s3cret", true), &secrets);
        QCOMPARE(rawValue("UserData"), QStringLiteral("s3cret"));
        QVERIFY(ownerOnly());
        settings.write("IntroductionScreen", "ShowIntro");
        QVERIFY(ownerOnly());
    }

    void otherSettingsFilesKeepTheirPasswords()
    {
        // The user's own wizard saved a password; a demo with a settings folder of its own clears its box.
        FakeSecretStore secrets;
        const QString users = QStringLiteral("UserData@/home/u/.config/Harlowe/Harlowe.conf");
        secrets.entries.insert(users, QStringLiteral("theirs"));
        SettingsStore settings;
        saveConnectionSettings(settings, typedValues("demo", true), &secrets);
        saveConnectionSettings(settings, typedValues("demo", false), &secrets);
        QCOMPARE(secrets.entries, (QMap<QString, QString>{{users, QStringLiteral("theirs")}}));
    }

private:
    // The settings file as another program reading it sees it.
    static QSettings rawFile()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Harlowe", "Harlowe");
    }
    static QString rawValue(const QString& key)
    {
        return rawFile().value("Orvello Kitbench Wizard/" + key).toString();
    }
    static bool ownerOnly()
    {
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther;
        return !(QFile::permissions(rawFile().fileName()) & others);
    }
    std::unique_ptr<TempSettings> m_temp;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
