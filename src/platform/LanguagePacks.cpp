#include "platform/LanguagePacks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace kitbench::LanguagePacks {

std::optional<QString> languageCode(QSettings::Scope scope)
{
    QSettings settings(QSettings::NativeFormat, scope, QStringLiteral("Harlowe"), QStringLiteral("Orvello"));
    settings.setFallbacksEnabled(false);
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

std::unique_ptr<QTranslator> loadBuiltInEnglish()
{
    auto pack = std::make_unique<QTranslator>();
    if (!pack->load(QStringLiteral(":/lang/KitbenchRes45en.qm")))
        return nullptr;
    return pack;
}

} // namespace kitbench::LanguagePacks
