#pragma once

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

class QTranslator;

namespace kitbench {

// Where the language choice and the packs live on this platform.
namespace LanguagePacks {

// The "Language" value of the client tools (organization "Harlowe", application "Orvello",
// key 4.5/ClientTools/Language) in one scope only; nullopt when that scope has none.
std::optional<QString> languageCode(QSettings::Scope scope);

// Loads the pack KitbenchRes45<code>; nullptr when it does not exist or cannot be read.
std::unique_ptr<QTranslator> load(const QString& code);

// The English pack compiled into the program.
std::unique_ptr<QTranslator> loadBuiltInEnglish();

// The folders searched for packs, in order (next to the program, then the shared data folder).
QStringList searchFolders();

} // namespace LanguagePacks

} // namespace kitbench
