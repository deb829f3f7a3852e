#include "platform/SettingsStore.h"

#include <QFile>
#include <QSettings>

namespace kitbench {

namespace {

// Opened per access: QSettings caches the file, and nothing is held between moments of the navigation.
QSettings& openStore(QSettings& settings)
{
    settings.setFallbacksEnabled(false);
    settings.beginGroup(QStringLiteral("Orvello Kitbench Wizard"));
    return settings;
}

} // namespace

QString SettingsStore::read(const QString& key, const QString& defaultValue) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                       QStringLiteral("Harlowe"));
    const QVariant value = openStore(settings).value(key);
    // A value of another type (hand-edited file) is damaged: read the default instead.
    if (!value.isValid() || !value.canConvert<QString>() || value.typeId() == QMetaType::QStringList)
        return defaultValue;
    return value.toString();
}

void SettingsStore::write(const QString& key, const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                       QStringLiteral("Harlowe"));
    openStore(settings).setValue(key, value);
}

void SettingsStore::keepPrivate()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                       QStringLiteral("Harlowe"));
    settings.sync(); // the file exists from here on; later saves replace it with the same mode
    QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace kitbench

namespace kitbench {

QString SettingsStore::fileName() const
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"),
                     QStringLiteral("Harlowe"))
        .fileName();
}

} // namespace kitbench
