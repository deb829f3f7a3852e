#include "platform/TrustStore.h"

#include <QDir>
#include <QSet>
#include <QSslConfiguration>

#include <mutex>

namespace kitbench {

QList<QSslCertificate> TrustStore::authorities(const QString& file, const QString& folder)
{
    QStringList paths;
    if (!file.isEmpty())
        paths.append(file);
    if (!folder.isEmpty()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            paths.append(dir.filePath(name));
    }
    QList<QSslCertificate> found;
    QSet<QString> read;
    for (const QString& path : std::as_const(paths)) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || read.contains(canonical))
            continue;
        read.insert(canonical);
        found += QSslCertificate::fromPath(canonical, QSsl::Pem);
    }
    return found;
}

void TrustStore::prepareSecureConnection()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QList<QSslCertificate> added =
            authorities(qEnvironmentVariable("SSL_CERT_FILE"), qEnvironmentVariable("SSL_CERT_DIR"));
        if (added.isEmpty())
            return;
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(added);
        QSslConfiguration::setDefaultConfiguration(configuration);
    });
}

} // namespace kitbench
