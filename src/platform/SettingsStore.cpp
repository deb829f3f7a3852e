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

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

SettingsStore::Batch::Batch(SettingsStore& store) : m_store(store)
{
    if (m_store.m_batchDepth++ == 0) {
        m_store.m_batch = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      QStringLiteral("Harlowe"), QStringLiteral("Harlowe"));
        openStore(*m_store.m_batch);
    }
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_batchDepth == 0)
        m_store.m_batch.reset(); // saves the file, once
}

void SettingsStore::write(const QString& key, const QString& value)
{
    // Stored already (the two defaults tell a stored "" from a missing key): nothing to save.
    if (read(key, QString()) == value && read(key, QStringLiteral("-")) == value)
        return;
    if (m_batch) {
        m_batch->setValue(key, value);
        return;
    }
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
