#include "shell/StoredPasswords.h"

#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"

namespace kitbench {

namespace {

QString markerKey(const QString& key)
{
    return key + QStringLiteral("InKeyring");
}

// One keyring serves every settings file of the user (the demo and the tests use their own): the entry
// names the file it belongs to, so they never overwrite or remove each other's passwords.
QString secretKey(const SettingsStore& settings, const QString& key)
{
    return key + QLatin1Char('@') + settings.fileName();
}

} // namespace

void storePassword(SettingsStore& settings, SecretStore* secrets, const QString& key, const QString& value)
{
    const bool wasInSecretStore = settings.read(markerKey(key), QString()) == QLatin1String("True");
    const bool inSecretStore = secrets && !value.isEmpty() && secrets->write(secretKey(settings, key), value);
    if (secrets && wasInSecretStore && !inSecretStore)
        secrets->remove(secretKey(settings, key)); // may fail without a keyring: the marker below retires it
    // Written in both cases: a plain-text value of an earlier save is replaced by "" once the secret store
    // holds it.
    settings.write(key, inSecretStore ? QString() : value);
    settings.write(markerKey(key), inSecretStore ? QStringLiteral("True") : QString());
    if (!inSecretStore && !value.isEmpty())
        settings.keepPrivate();
}

QString readPassword(const SettingsStore& settings, SecretStore* secrets, const QString& key)
{
    const QString plain = settings.read(key, QString());
    if (!plain.isEmpty() || !secrets || settings.read(markerKey(key), QString()) != QLatin1String("True"))
        return plain;
    const SecretStore::Answer answer = secrets->read(secretKey(settings, key));
    return answer.status == SecretStore::Status::Found ? answer.value : QString();
}

} // namespace kitbench
