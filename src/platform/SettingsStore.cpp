#include "platform/SettingsStore.h"

#include <QFile>
#include <QSettings>

namespace kitbench {

namespace {

// Opened per access: QSettings caches the file, and nothing is held between moments of the navigation.
std::unique_ptr<QSettings> openStore()
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Harlowe"), QStringLiteral("Harlowe"));
    settings->setFallbacksEnabled(false);
    settings->beginGroup(QStringLiteral("Orvello Kitbench Wizard"));
    return settings;
}

} // namespace

QString SettingsStore::read(const QString& key, const QString& defaultValue) const
{
    const QVariant value = openStore()->value(key);
    // A value of another type (hand-edited file) is damaged: read the default instead.
    if (!value.isValid() || !value.canConvert<QString>() || value.typeId() == QMetaType::QStringList)
        return defaultValue;
    return value.toString();
}

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

SettingsStore::Batch::Batch(SettingsStore& store) : m_store(store)
{
    if (m_store.m_batchDepth++ == 0)
        m_store.m_batch = openStore();
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_batchDepth == 0)
        m_store.m_batch.reset(); // saves the file, once
}

void SettingsStore::write(const QString& key, const QString& value)
{
    const std::unique_ptr<QSettings> single = m_batch ? nullptr : openStore();
    QSettings& settings = m_batch ? *m_batch : *single;
    // Stored already: nothing to save (a missing key, or a damaged value, is not a stored "").
    const QVariant stored = settings.value(key);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return;
    settings.setValue(key, value);
}

void SettingsStore::keepPrivate()
{
    const std::unique_ptr<QSettings> settings = openStore();
    settings->sync(); // the file exists from here on; later saves replace it with the same mode
    QFile::setPermissions(settings->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString SettingsStore::fileName() const
{
    return openStore()->fileName();
}

} // namespace kitbench
