#pragma once

#include <QString>

namespace kitbench {

class SecretStore;
class SettingsStore;

// The values of the connection page that are remembered between runs.
struct ConnectionValues
{
    QString login;
    QString password;
    bool savePassword = false;
    bool useSsl = false;
    bool useProxy = false;
    bool proxyFromBrowser = true; // OptionFromBrowser selected, else OptionProxy
    QString proxyServer;
    QString proxyUser;
    QString proxyPassword;

    bool operator==(const ConnectionValues&) const = default;
};

// Writes UserLogin, UserData, ProxyMode, UseProxy, UseSSL, ProxyServer, ProxyUser, ProxyPassword in
// this order. The password is kept only when the user asked to save it; the proxy password always.
// Both passwords go to `secrets` when it takes them (see StoredPasswords.h).
void saveConnectionSettings(SettingsStore& store, const ConnectionValues& page,
                            SecretStore* secrets = nullptr);

// The connection page after start-up: what the command line put there wins (login, password, a
// checked secure connection); the rest comes from the store, with defaults for missing values.
ConnectionValues restoreConnectionSettings(const SettingsStore& store,
                                           const ConnectionValues& fromCommandLine,
                                           SecretStore* secrets = nullptr);

} // namespace kitbench
