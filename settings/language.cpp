#include "settings/language.h"

#include <string_view>

namespace dv {

std::optional<Language> LanguageOfCode(const StoredText& stored) {
    if (stored.kind != StoredText::Kind::Text) return std::nullopt;
    std::string_view t = stored.text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    for (int i = 0; i < text::kLanguageCount; ++i)
        if (t == text::kLanguageNames[i].code) return static_cast<Language>(i);
    return std::nullopt;
}

Language LanguageOfWindows(unsigned uiLanguage) {
    // A LANGID's primary language, and the few sublanguages that matter.
    struct Primary {
        unsigned id;
        Language language;
    };
    constexpr Primary kPrimaries[] = {
        {0x04, Language::Chinese}, {0x11, Language::Japanese},   {0x12, Language::Korean},
        {0x07, Language::German},  {0x0C, Language::French},     {0x0A, Language::Spanish},
        {0x19, Language::Russian}, {0x16, Language::Portuguese},
    };
    constexpr unsigned kTaiwan = 0x0404, kHongKong = 0x0C04, kMacao = 0x1404;
    if (uiLanguage == kTaiwan || uiLanguage == kHongKong || uiLanguage == kMacao)
        return Language::TraditionalChinese;
    for (const Primary& p : kPrimaries)
        if ((uiLanguage & 0x3FF) == p.id) return p.language;
    return Language::English;
}

Language ChooseLanguage(const StoredText& stored, unsigned uiLanguage) {
    return LanguageOfCode(stored).value_or(LanguageOfWindows(uiLanguage));
}

Font FontIn(Language language, const Font& design, FontFaces& system) {
    // Each East Asian language's interface faces, newest first, and its
    // character set.
    struct Faces {
        Language language;
        int charset;
        const char* faces[3];
    };
    static constexpr Faces kFaces[] = {
        {Language::TraditionalChinese, 136, {"Microsoft JhengHei UI", "PMingLiU"}},
        {Language::Japanese, 128, {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"}},
        {Language::Korean, 129, {"Malgun Gothic", "Gulim"}},
    };
    if (language == Language::Chinese) return design;
    for (const Faces& f : kFaces) {
        if (f.language != language) continue;
        const char* face = f.faces[0];
        for (const char* each : f.faces)
            if (each && system.HasFontFace(each)) {
                face = each;
                break;
            }
        return {face, design.points, design.bold, f.charset};
    }
    return Latin(design);
}

}  // namespace dv
