#include "session/TrustStore.h"

#include <QDir>
#include <QSslConfiguration>

namespace kitbench {

QList<QSslCertificate> TrustStore::authorities(const QString& file, const QString& folder)
{
    QList<QSslCertificate> found;
    if (!file.isEmpty())
        found += QSslCertificate::fromPath(file, QSsl::Pem);
    if (!folder.isEmpty()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            found += QSslCertificate::fromPath(dir.filePath(name), QSsl::Pem);
    }
    return found;
}

qsizetype TrustStore::trustEnvironmentAuthorities()
{
    const QString file = qEnvironmentVariable("SSL_CERT_FILE");
    const QString folder = qEnvironmentVariable("SSL_CERT_DIR");
    if (file.isEmpty() && folder.isEmpty())
        return 0;
    const QList<QSslCertificate> added = authorities(file, folder);
    if (!added.isEmpty()) {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(added);
        QSslConfiguration::setDefaultConfiguration(configuration);
    }
    return added.size();
}

} // namespace kitbench
