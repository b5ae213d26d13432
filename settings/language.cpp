#include "settings/language.h"

#include <string_view>

namespace dv {

Language ChooseLanguage(const StoredText& stored, unsigned uiLanguage) {
    if (stored.kind == StoredText::Kind::Text) {
        std::string_view t = stored.text;
        while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
        if (t == "zh") return Language::Chinese;
        if (t == "en") return Language::English;
    }
    constexpr unsigned kPrimaryMask = 0x3FF, kChinese = 0x04;
    return (uiLanguage & kPrimaryMask) == kChinese ? Language::Chinese : Language::English;
}

}  // namespace dv
