#pragma once

#include <QString>

namespace kitbench {

// A place for passwords that is safer than the settings file: the desktop's secret store (keyring).
// Every call may find no store answering; callers then keep the value elsewhere.
class SecretStore
{
public:
    enum class Status
    {
        Found,
        Missing,    // the store answered and holds nothing under the key
        Unavailable // no store answered, or it refused
    };
    struct Answer
    {
        Status status = Status::Unavailable;
        QString value;
    };

    virtual ~SecretStore() = default;
    virtual Answer read(const QString& key) = 0;
    // false when no store took the value.
    virtual bool write(const QString& key, const QString& value) = 0;
    // true when the key is gone from the store (also when it was never there).
    virtual bool remove(const QString& key) = 0;
};

} // namespace kitbench
