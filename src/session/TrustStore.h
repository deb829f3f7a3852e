#pragma once

#include <QList>
#include <QSslCertificate>
#include <QString>

namespace kitbench {

// Certificate authorities the wizard trusts besides the system's. Qt reads the system folders only,
// but a site with its own authority (and our tests, with a throw-away one) names it the way OpenSSL
// programs expect: SSL_CERT_FILE for a PEM file, SSL_CERT_DIR for a folder of them.
class TrustStore
{
public:
    // The PEM certificates in `file` and in the files of `folder` (either may be empty or missing).
    static QList<QSslCertificate> authorities(const QString& file, const QString& folder);

    // Adds the authorities of SSL_CERT_FILE and SSL_CERT_DIR to every later TLS connection; the
    // number added. Does nothing (and loads nothing) when neither variable is set.
    static qsizetype trustEnvironmentAuthorities();
};

} // namespace kitbench
