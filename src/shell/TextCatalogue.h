#pragma once

#include <QString>

namespace kitbench {

// Every visible text of the wizard comes from the language pack by numeric text id.

// The text of one id: from the chosen language pack, else the built-in English pack.
QString GetLocalizedText(int id);

// A caption split over consecutive ids: each piece but the last ends in "_", which is dropped.
QString GetJoinedText(int id);

} // namespace kitbench

namespace kitbench {
// The language code of the pack in use ("de"); empty when the built-in English pack answers.
QString LanguagePackCode();
// Drops the pack in use so that the next lookup reads the language choice again (tests, a changed choice).
void ForgetLanguagePack();
} // namespace kitbench
