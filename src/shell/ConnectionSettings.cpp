#include "shell/ConnectionSettings.h"

#include "platform/SettingsStore.h"
#include "shell/StoredPasswords.h"

namespace kitbench {

namespace {
QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

void saveConnectionSettings(SettingsStore& store, const ConnectionValues& page, SecretStore* secrets)
{
    const SettingsStore::Batch oneSave(store);
    store.write(QStringLiteral("UserLogin"), page.login);
    storePassword(store, secrets, QStringLiteral("UserData"), page.savePassword ? page.password : QString());
    store.write(QStringLiteral("ProxyMode"),
                page.proxyFromBrowser ? QStringLiteral("Default") : QStringLiteral("Custom"));
    store.write(QStringLiteral("UseProxy"), trueFalse(page.useProxy));
    store.write(QStringLiteral("UseSSL"), trueFalse(page.useSsl));
    store.write(QStringLiteral("ProxyServer"), page.proxyServer);
    store.write(QStringLiteral("ProxyUser"), page.proxyUser);
    storePassword(store, secrets, QStringLiteral("ProxyPassword"), page.proxyPassword);
}

ConnectionValues restoreConnectionSettings(const SettingsStore& store,
                                           const ConnectionValues& fromCommandLine, SecretStore* secrets)
{
    ConnectionValues page = fromCommandLine;
    if (page.login.isEmpty())
        page.login = store.read(QStringLiteral("UserLogin"), QString());
    if (page.password.isEmpty()) {
        page.password = readPassword(store, secrets, QStringLiteral("UserData"));
        if (!page.password.isEmpty())
            page.savePassword = true;
    }
    // Only the exact text "Default" means the browser's settings; anything else is an explicit proxy.
    page.proxyFromBrowser =
        store.read(QStringLiteral("ProxyMode"), QStringLiteral("Default")) == QLatin1String("Default");
    if (!page.useSsl)
        page.useSsl = store.read(QStringLiteral("UseSSL"), QStringLiteral("False")) == QLatin1String("True");
    page.useProxy = store.read(QStringLiteral("UseProxy"), QStringLiteral("False")) == QLatin1String("True");
    page.proxyServer = store.read(QStringLiteral("ProxyServer"), QString());
    page.proxyUser = store.read(QStringLiteral("ProxyUser"), QString());
    page.proxyPassword = readPassword(store, secrets, QStringLiteral("ProxyPassword"));
    return page;
}

} // namespace kitbench
