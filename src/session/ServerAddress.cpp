#include "session/ServerAddress.h"

namespace kitbench {

namespace {
QString scheme(bool useSsl)
{
    return useSsl ? QStringLiteral("https://") : QStringLiteral("http://");
}

bool passesUnchanged(QChar c)
{
    const char16_t code = c.unicode();
    return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z');
}
} // namespace

QString ParseLoginLeaveDots(const QString& login)
{
    const qsizetype at = login.lastIndexOf(QLatin1Char('@'));
    if (at < 0)
        return QString();
    return login.mid(at + 1);
}

QString ParseLogin(const QString& login)
{
    QString portal = ParseLoginLeaveDots(login);
    portal.replace(QLatin1Char('.'), QLatin1Char('_'));
    const qsizetype colon = portal.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        portal.truncate(colon);
    return portal;
}

QString BuildPortalUrl(const QString& login, const QString& path, bool useSsl)
{
    return scheme(useSsl) + ParseLoginLeaveDots(login) + QStringLiteral("/portals/") + ParseLogin(login) +
           path;
}

QString BuildWebLoginUrl(const QString& login, const QString& password, const QString& redirect, bool useSsl)
{
    // The login page lies at the root of the host, outside every portal.
    return scheme(useSsl) + ParseLoginLeaveDots(login) + QStringLiteral("/default.aspx?login=") +
           URLEncode(login) + QStringLiteral("&password=") + URLEncode(password) +
           QStringLiteral("&redirect=") + URLEncode(redirect);
}

QString URLEncode(const QString& text)
{
    QString encoded;
    encoded.reserve(text.size() * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (passesUnchanged(c)) {
            encoded += c;
        } else if (c == QLatin1Char(' ')) {
            encoded += QLatin1Char('+');
        } else if (c.unicode() <= 0xFF) {
            // Latin-1 stands in for the single-byte code page: one "%XX" per character.
            encoded += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            // Outside Latin-1 there is no single byte: the character's UTF-8 bytes, each "%XX", which
            // is how the web server decodes them. A surrogate pair is one character.
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            for (const char byte : text.mid(i, length).toUtf8())
                encoded += QStringLiteral("%%1").arg(uint(uchar(byte)), 2, 16, QLatin1Char('0')).toUpper();
            i += length - 1;
        }
    }
    return encoded;
}

} // namespace kitbench
