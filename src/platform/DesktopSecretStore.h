#pragma once

#include "platform/SecretStore.h"

#include <chrono>

namespace QKeychain {
class Job;
}

namespace kitbench {

// The desktop's secret service (GNOME Keyring, KWallet, ...) through QtKeychain. The wizard's flow is
// synchronous, so each call waits for its job in a local event loop, at most `patience`. A store that
// does not answer, is not there or refuses is not asked again by this object: a desktop without one
// must not slow every save down.
class DesktopSecretStore final : public SecretStore
{
public:
    explicit DesktopSecretStore(QString service = QStringLiteral("Orvello Kitbench"),
                                std::chrono::milliseconds patience = std::chrono::seconds(5));

    Answer read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    struct Outcome;
    // Runs the job (which deletes itself) and waits for it; remembers a store that is not there.
    Outcome run(QKeychain::Job* job);

    QString m_service;
    std::chrono::milliseconds m_patience;
    bool m_unavailable = false;
};

} // namespace kitbench
