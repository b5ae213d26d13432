// The program's own texts that more than one window shows.
#pragma once

namespace dv::text {

// Between the two times of a span in the menu: blank, en dash, blank.
inline constexpr const char* kMenuSpanDash = " – ";

// Every text the user reads, in each of the program's two languages, each
// stated here once: the windows' designs take the Chinese. The contact
// lines' widths at 12 pt are those the layouts are drawn for: 29, 28 and 18
// half-width cells, in both languages.
enum class Language { Chinese, English };

struct Texts {
    // The splash.
    const char* slogan;
    const char* usage;
    // The settings window; `close` and `brightness` name the "×" and the
    // slider for screen readers.
    const char* tint;
    const char* light;
    const char* swatch;
    const char* turnOff;  // the button, and the menu's last item
    const char* close;
    const char* brightness;
    // What a screen reader calls pressing a button and following a link.
    const char* press;
    const char* jump;
    // Both windows.
    const char* contactAuthor;
    const char* contactFeedback;
    const char* contactLink;
    // The tray icon's menu.
    const char* menuSettings;
    const char* menuAllScreens;
    const char* menuHideInCaptures;
    const char* menuStartAtLogOn;
    const char* menuSchedule;
    const char* menuNoSchedule;
    const char* menuSun;
    const char* menuPause;
    const char* menuResume;
    // The hot keys' item: its name, then in brackets the combinations, or
    // those another program holds, joined, with what is said of one or more.
    const char* menuHotKeys;
    const char* listJoin;
    const char* takenOne;
    const char* takenMany;
    // A level for each monitor: the menu's item, and the settings window's
    // line that names the monitor it edits, before the system's number.
    const char* menuPerMonitor;
    const char* monitor;
    // Stepping aside: for full-screen programs, and for the program the
    // user works in, named between the lead and the tail, and after them
    // when the list takes no more.
    const char* menuPauseFullScreen;
    const char* pauseForLead;
    const char* pauseForTail;
    const char* listFull;
    // The monitors' own brightness: the submenu, its first item, and the
    // greyed line while no monitor answers.
    const char* menuBacklight;
    const char* backlightLeave;
    const char* noMonitorAnswers;
    // The pause's submenu (its name is menuPause): its lengths.
    const char* pause15;
    const char* pauseHour;
    const char* pauseMorning;
    const char* pauseAlways;
    // The warmth's submenu, and what three of its warmths are known as.
    const char* menuWarmth;
    const char* warmthCandle;
    const char* warmthBulb;
    const char* warmthHalogen;
    // The hot-key dialog: its menu item, its title, its rows, its buttons,
    // and what its line says (after a combination, or before the rows'
    // names); the hot keys' item without any.
    const char* menuChooseHotKeys;
    const char* hotKeysTitle;
    const char* hotKeyDarker;
    const char* hotKeyBrighter;
    const char* hotKeyPause;
    const char* hotKeyDefaults;
    const char* hotKeyOk;
    const char* hotKeyCancel;
    const char* hotKeysUnreadable;
    const char* hotKeyTwice;
    const char* hotKeySettingsKey;
    const char* hotKeyNoModifier;
    const char* hotKeyUnnamed;
    const char* hotKeysNotStored;
    const char* hotKeysNone;
    // The level as it changes: the menu's option, and the label's lead.
    const char* menuShowLevel;
    const char* levelLead;
};

// In texts.cpp: stated once for the whole program, so that each text is
// kept in the exe once.
extern const Texts kChinese;
extern const Texts kEnglish;

inline const Texts& TextsFor(Language language) {
    return language == Language::English ? kEnglish : kChinese;
}

// The contact link starts this browser, two blanks, then the address.
inline constexpr const char* kBrowser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
inline constexpr const char* kHomePage = "https://duskveil.example/";

}  // namespace dv::text
