#pragma once

#include <QString>

namespace kitbench {

// The per-user store of the wizard's short text values: application "Harlowe", section
// "Orvello Kitbench Wizard". Reads never fail (a missing value yields the caller's default) and
// writes are not reported.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& key, const QString& defaultValue) const;
    virtual void write(const QString& key, const QString& value);
    // Makes the store's file readable and writable by its owner alone (it may hold a password).
    virtual void keepPrivate();
    // The file behind the store.
    QString fileName() const;
};

} // namespace kitbench
