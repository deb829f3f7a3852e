#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace kitbench {

// The per-user store of the wizard's short text values: application "Harlowe", section
// "Orvello Kitbench Wizard". Reads never fail (a missing value yields the caller's default) and
// writes are not reported; a write that changes nothing leaves the file alone.
class SettingsStore
{
public:
    // The writes made while a Batch lives reach the file together, in one save: every save rewrites
    // and flushes the whole file, some 25 ms on a slow disk.
    class Batch
    {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& m_store;
    };

    SettingsStore();
    virtual ~SettingsStore();
    virtual QString read(const QString& key, const QString& defaultValue) const;
    virtual void write(const QString& key, const QString& value);
    // Makes the store's file readable and writable by its owner alone (it may hold a password).
    virtual void keepPrivate();
    // The file behind the store.
    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_batch; // open while a Batch lives
    int m_batchDepth = 0;
};

} // namespace kitbench
