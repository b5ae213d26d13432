// Which of the program's languages the user reads, and in which face.
#pragma once

#include <optional>

#include "platform/controls.h"
#include "platform/platform.h"
#include "resources/texts.h"

namespace dv {

using text::Language;
using text::Texts;
using text::TextsFor;

// The language "Language" names ("zh", "zh-Hant", "en", ...; blanks around
// it allowed); nothing when it is absent or names none of them.
std::optional<Language> LanguageOfCode(const StoredText& stored);

// The language of the user's interface (a LANGID): Traditional Chinese for
// Taiwan, Hong Kong and Macao, Simplified for every other Chinese, each
// other language of the program its own, English for the rest.
Language LanguageOfWindows(unsigned uiLanguage);

// The stored language where it names one; otherwise Windows'.
Language ChooseLanguage(const StoredText& stored, unsigned uiLanguage);

// A design's font for a language's texts, at the design's size and weight:
// Simplified Chinese keeps the design's own face; Traditional Chinese,
// Japanese and Korean take the first of their system faces that `system`
// has; the others take the system's Latin interface face (from Vista on).
Font FontIn(Language language, const Font& design, FontFaces& system);

}  // namespace dv
