#include "platform/DesktopSecretStore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace kitbench {

struct DesktopSecretStore::Outcome
{
    bool finished = false;
    QKeychain::Error error = QKeychain::OtherError;
    QString text;
};

DesktopSecretStore::DesktopSecretStore(QString service, std::chrono::milliseconds patience)
    : m_service(std::move(service)), m_patience(patience)
{
}

DesktopSecretStore::Outcome DesktopSecretStore::run(QKeychain::Job* job)
{
    Outcome outcome;
    if (m_unavailable) {
        delete job;
        return outcome;
    }
    job->setAutoDelete(true);
    job->setInsecureFallback(false); // the plain-text fallback is ours, with its file mode
    QEventLoop loop;
    // The loop is the connection's context: a job that answers after we gave up finds nobody listening.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&outcome, &loop](QKeychain::Job* done) {
        outcome.finished = true;
        outcome.error = done->error();
        if (auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(done))
            outcome.text = reading->textData();
        loop.quit();
    });
    QTimer::singleShot(m_patience, &loop, &QEventLoop::quit);
    job->start();
    if (!outcome.finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Anything but an answer about the entry (no backend, no bus, a refusal, a time-out) ends the asking.
    const bool storeAnswered = outcome.finished && (outcome.error == QKeychain::NoError ||
                                                    outcome.error == QKeychain::EntryNotFound);
    if (!storeAnswered)
        m_unavailable = true;
    return outcome;
}

SecretStore::Answer DesktopSecretStore::read(const QString& key)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(key);
    const Outcome outcome = run(job);
    if (!outcome.finished)
        return {};
    if (outcome.error == QKeychain::NoError)
        return {Status::Found, outcome.text};
    if (outcome.error == QKeychain::EntryNotFound)
        return {Status::Missing, {}};
    return {};
}

bool DesktopSecretStore::write(const QString& key, const QString& value)
{
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(key);
    job->setTextData(value);
    const Outcome outcome = run(job);
    return outcome.finished && outcome.error == QKeychain::NoError;
}

bool DesktopSecretStore::remove(const QString& key)
{
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(key);
    const Outcome outcome = run(job);
    return outcome.finished &&
           (outcome.error == QKeychain::NoError || outcome.error == QKeychain::EntryNotFound);
}

} // namespace kitbench
