// Which of the program's two languages the user reads.
#pragma once

#include "platform/platform.h"
#include "resources/texts.h"

namespace dv {

using text::Language;
using text::Texts;
using text::TextsFor;

// "Language" as stored ("zh" or "en") when it is one of those; otherwise
// the user's interface language (a LANGID): Chinese for any Chinese, in
// any script or region, English for everything else.
Language ChooseLanguage(const StoredText& stored, unsigned uiLanguage);

}  // namespace dv
