#pragma once

#include <QString>

namespace kitbench {

// Every address of the server comes from the login text: user name, "@", then the server part (a
// host, optionally ":" and a port). The server hosts one portal per name under "/portals/".

// The portal name: the server part with "." turned into "_" and the port dropped; "" without "@".
QString ParseLogin(const QString& login);
// The server part exactly as typed (host and port); "" without "@".
QString ParseLoginLeaveDots(const QString& login);
// scheme + server part + "/portals/" + portal name + path ("/..." ).
QString BuildPortalUrl(const QString& login, const QString& path, bool useSsl);
// The automatic web login at the root of the host, with the login, password and redirect path.
QString BuildWebLoginUrl(const QString& login, const QString& password, const QString& redirect, bool useSsl);
// Letters and digits pass, a space becomes "+", everything else "%XX" in upper case.
QString URLEncode(const QString& text);

} // namespace kitbench
