#pragma once

#include <QString>

// The interface language, fixed once at start-up: it decides layout direction, column order, the
// currency shown, the date order and the example data.
enum class UiLanguage { Hebrew = 1, English = 2 };

namespace Language {
UiLanguage Current();
void Set(UiLanguage language);
// Hebrew when the system has a Hebrew locale installed, else English.
UiLanguage FromSystem();
// "he" or "en"; false for any other text.
bool FromOption(const QString& option, UiLanguage& language);
inline bool IsHebrew() { return Current() == UiLanguage::Hebrew; }
inline bool IsEnglish() { return Current() == UiLanguage::English; }
}
