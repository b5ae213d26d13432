// The program's own texts, in each of its languages.
#pragma once

#include <cstdint>

namespace dv::text {

// Between the two times of a span in the menu: blank, en dash, blank.
inline constexpr const char* kMenuSpanDash = " – ";

// The languages the program speaks, in the order its language menu lists
// them; the windows' designs take the first.
enum class Language : std::uint8_t {
    Chinese,             // Simplified
    TraditionalChinese,  // as in Taiwan
    English,
    Japanese,
    Korean,
    German,
    French,
    Spanish,
    Russian,
    Portuguese,  // as in Brazil
};
inline constexpr int kLanguageCount = 10;

// Each language as "Language" stores it, and by its own name in the menu.
struct LanguageName {
    const char* code;
    const char* ownName;
};
inline constexpr LanguageName kLanguageNames[kLanguageCount] = {
    {"zh", "简体中文"}, {"zh-Hant", "繁體中文"}, {"en", "English"},
    {"ja", "日本語"},   {"ko", "한국어"},       {"de", "Deutsch"},
    {"fr", "Français"}, {"es", "Español"},       {"ru", "Русский"},
    {"pt-BR", "Português (Brasil)"},
};
inline constexpr const LanguageName& NameOf(Language language) {
    return kLanguageNames[static_cast<int>(language)];
}

// Every text the user reads, by what it is for, in the order each
// language's file (resources/texts/) gives them. The contact lines' widths
// at 12 pt are those the layouts are drawn for: 29, 28 and 18 half-width
// cells.
// clang-format off
#define DV_TEXTS(X) \
    /* The splash. */ \
    X(slogan) X(usage) \
    /* The settings window; `close` and `brightness` name the "×" and the \
       slider for screen readers; `turnOff` is the button, and the menu's \
       last item. */ \
    X(tint) X(light) X(swatch) X(turnOff) X(close) X(brightness) \
    /* What a screen reader calls pressing a button and following a link. */ \
    X(press) X(jump) \
    /* Both windows. */ \
    X(contactAuthor) X(contactFeedback) X(contactLink) \
    /* The tray icon's menu. */ \
    X(menuSettings) X(menuAllScreens) X(menuHideInCaptures) X(menuStartAtLogOn) \
    X(menuSchedule) X(menuNoSchedule) X(menuSun) X(menuPause) X(menuResume) \
    /* The hot keys' item: its name, then in brackets the combinations, or \
       those another program holds, joined, with what is said of one or \
       more. */ \
    X(menuHotKeys) X(listJoin) X(takenOne) X(takenMany) \
    /* A level for each monitor: the menu's item, and the settings window's \
       line that names the monitor it edits, before the system's number. */ \
    X(menuPerMonitor) X(monitor) \
    /* Stepping aside: for full-screen programs, and for the program the \
       user works in, named between the lead and the tail, and after them \
       when the list takes no more. */ \
    X(menuPauseFullScreen) X(pauseForLead) X(pauseForTail) X(listFull) \
    /* The monitors' own brightness: the submenu, its first item, and the \
       greyed line while no monitor answers. */ \
    X(menuBacklight) X(backlightLeave) X(noMonitorAnswers) \
    /* The pause's submenu (its name is menuPause): its lengths. */ \
    X(pause15) X(pauseHour) X(pauseMorning) X(pauseAlways) \
    /* The warmth's submenu, and what three of its warmths are known as. */ \
    X(menuWarmth) X(warmthCandle) X(warmthBulb) X(warmthHalogen) \
    /* The hot-key dialog: its menu item, its title, its rows, its buttons, \
       and what its line says (after a combination, or before the rows' \
       names); the hot keys' item without any. */ \
    X(menuChooseHotKeys) X(hotKeysTitle) X(hotKeyDarker) X(hotKeyBrighter) \
    X(hotKeyPause) X(hotKeyDefaults) X(hotKeyOk) X(hotKeyCancel) \
    X(hotKeysUnreadable) X(hotKeyTwice) X(hotKeySettingsKey) \
    X(hotKeyNoModifier) X(hotKeyUnnamed) X(hotKeysNotStored) X(hotKeysNone) \
    /* The level as it changes: the menu's option, and the label's lead. */ \
    X(menuShowLevel) X(levelLead) \
    /* The language's submenu, and its first item: Windows' language. */ \
    X(menuLanguage) X(languageAsWindows)
// clang-format on

struct Texts {
#define DV_TEXT_FIELD(name) const char* name;
    DV_TEXTS(DV_TEXT_FIELD)
#undef DV_TEXT_FIELD
};

// A language's texts (in texts.cpp: kept in the exe once, packed).
const Texts& TextsFor(Language language);
// The texts the windows' designs are drawn with.
inline const Texts& DesignTexts() { return TextsFor(Language::Chinese); }

// The contact link starts this browser, two blanks, then the address.
inline constexpr const char* kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
inline constexpr const char* kHomePage = "https://duskveil.example/";

}  // namespace dv::text
