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
    // The PEM certificates in `file` and in the files of `folder` (either may be empty or missing);
    // a file reached twice (the folder's hash links, the bundle inside the folder) is read once.
    static QList<QSslCertificate> authorities(const QString& file, const QString& folder);

    // Called before every TLS connection. The first call adds the authorities of SSL_CERT_FILE and
    // SSL_CERT_DIR to every TLS connection from then on. Not at start-up: many desktops point both at
    // the system's own bundle, a few hundred certificates, whose decoding would triple the CPU time of
    // a run that never opens a TLS connection.
    static void prepareSecureConnection();
};

} // namespace kitbench
