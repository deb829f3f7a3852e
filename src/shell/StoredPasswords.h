#pragma once

#include <QString>

namespace kitbench {

class SecretStore;
class SettingsStore;

// The two passwords of the connection page ("UserData", "ProxyPassword") live in the desktop's secret
// store when one answers. Otherwise they stay in the settings as typed, in a file only its owner can
// read. The settings remember which passwords went to the secret store, so a password cleared while
// no store answered does not come back from it later. `secrets` may be null: no secret store.
void storePassword(SettingsStore& settings, SecretStore* secrets, const QString& key, const QString& value);

// The password saved under `key`; "" when none is.
QString readPassword(const SettingsStore& settings, SecretStore* secrets, const QString& key);

} // namespace kitbench
