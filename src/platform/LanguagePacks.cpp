#include "platform/LanguagePacks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kitbench::LanguagePacks {

LanguageChoice::LanguageChoice()
    : m_user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harlowe"), QStringLiteral("Orvello")),
      m_system(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Harlowe"), QStringLiteral("Orvello"))
{
    m_user.setFallbacksEnabled(false);
}

std::optional<QString> LanguageChoice::code(QSettings::Scope scope)
{
    QSettings& settings = scope == QSettings::UserScope ? m_user : m_system;
    QDateTime& seen = scope == QSettings::UserScope ? m_userSeen : m_systemSeen;
    // A choice written since the last lookup (by another program, too) is picked up; a full re-read
    // costs far more than looking at the file's time, and lookups are frequent.
    const QDateTime modified = QFileInfo(settings.fileName()).lastModified();
    if (modified != seen) {
        seen = modified;
        settings.sync();
    }
    const QVariant value = settings.value(QStringLiteral("4.5/ClientTools/Language"));
    if (!value.isValid())
        return std::nullopt;
    // The registry value is read into a 255-character buffer.
    return value.toString().left(255);
}

QStringList searchFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    return {appDir + QStringLiteral("/lang"), appDir + QStringLiteral("/../share/orvello-kitbench/lang")};
}

std::unique_ptr<QTranslator> load(const QString& code)
{
    // A code that could step out of the pack folder names no pack.
    if (code.isEmpty() || code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')) ||
        code.contains(QLatin1String("..")))
        return nullptr;
    const QString fileName = QStringLiteral("KitbenchRes45%1.qm").arg(code);
    const QStringList folders = searchFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        auto pack = std::make_unique<QTranslator>();
        if (pack->load(path))
            return pack;
    }
    return nullptr;
}

std::unique_ptr<QTranslator> loadQtTranslations(const QString& code)
{
    auto qt = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        return nullptr;
    return qt;
}

std::unique_ptr<QTranslator> loadBuiltInEnglish()
{
    auto pack = std::make_unique<QTranslator>();
    if (!pack->load(QStringLiteral(":/lang/KitbenchRes45en.qm")))
        return nullptr;
    return pack;
}

} // namespace kitbench::LanguagePacks
