#pragma once

#include <QDateTime>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

class QTranslator;

namespace kitbench {

// Where the language choice and the packs live on this platform.
namespace LanguagePacks {

// The "Language" value of the client tools (organization "Harlowe", application "Orvello",
// key 4.5/ClientTools/Language), per scope. The stores stay open, so asking again after a failed
// pack load (every lookup does) costs a file-change check, not a new parse.
class LanguageChoice
{
public:
    LanguageChoice();
    // nullopt when the scope has no value.
    std::optional<QString> code(QSettings::Scope scope);

private:
    QSettings m_user;
    QSettings m_system;
    QDateTime m_userSeen;
    QDateTime m_systemSeen;
};

// Loads the pack KitbenchRes45<code>; nullptr when it does not exist or cannot be read.
std::unique_ptr<QTranslator> load(const QString& code);

// Qt's own texts (standard buttons, file dialog, network errors) in the language of a pack; nullptr
// when the system has none for it (Debian: qt6-translations-l10n).
std::unique_ptr<QTranslator> loadQtTranslations(const QString& code);

// The English pack compiled into the program.
std::unique_ptr<QTranslator> loadBuiltInEnglish();

// The folders searched for packs, in order (next to the program, then the shared data folder).
QStringList searchFolders();

} // namespace LanguagePacks

} // namespace kitbench
