#pragma once

#include <QString>
#include <cstdint>

class QLocale;

namespace tavu {

// The language of the window. What players exchange (result files, data names) stays
// Japanese in either.
enum class Language : std::uint8_t { System, Japanese, English };

// The user's choice as the preferences keep it: "" (the system's), "ja" or "en".
Language languageFromKey(const QString& key);
QString keyOf(Language language);

// The language the window shows for a choice: Japanese or English; the system's choice is
// Japanese for a Japanese locale and English otherwise.
Language shownLanguage(Language choice, const QLocale& system);

// Puts `language` (Japanese or English) in place for the windows built from now on: the
// program's own translation and Qt's, replacing any put in place before. False when a
// translation it needs is not installed (the texts then stay as written, in Japanese, and Qt's
// in English).
bool useLanguage(Language language);
// The language put in place last.
Language languageInUse();

// `source` (a Japanese text of the window) in `language`, whatever is in place now.
QString textIn(Language language, const char* source);

} // namespace tavu
