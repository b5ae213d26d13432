#include "forms/icon_menu.h"

#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "settings/convert.h"
#include "settings/warmth.h"
#include "overlay/monitors.h"

namespace dv {

using namespace menu;

namespace {

// One line more of a menu (a separator: id 0, no text), built in one place
// rather than at each line.
MenuItem& Add(std::vector<MenuItem>& items, int id, std::string text, bool checked = false,
              bool radio = false, bool enabled = true) {
    MenuItem& item = items.emplace_back();
    item.id = id;
    item.text = std::move(text);
    item.checked = checked;
    item.radio = radio;
    item.enabled = enabled;
    return item;
}

// A menu shows "&" as the next letter's underline: a name's own is doubled.
std::string MenuText(const std::string& name) {
    std::string text;
    for (const char c : name) text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

}  // namespace

std::vector<MenuItem> IconMenu::ScheduleItems() {
    const NightState& night = night_.State();
    const Schedule& now = night.schedule;
    // The sun's item shows tonight's hours: today's sunset and sunrise, or
    // the span it stands in for without a place.
    const Texts& t = context_.texts();
    std::string sun = t.menuSun;
    if (!night.place) {
        sun += " (" + SpanText(kNightWithoutPlace.from, kNightWithoutPlace.to) + ")";
    } else if (const auto times = TodaysSun(host_.Now(), *night.place)) {
        sun += " (" + SpanText(times->sunset, times->sunrise) + ")";
    }
    const Schedule own = night_.OwnSpan();
    std::vector<MenuItem> items;
    for (const Command c : kScheduleOrder) {
        if (c == kNoSchedule)
            Add(items, c, t.menuNoSchedule, now.kind == Schedule::Kind::None, true);
        if (c == kSun) Add(items, c, sun, now.kind == Schedule::Kind::Sun, true);
        if (c == kStoredSpan && own.kind == Schedule::Kind::Span)
            Add(items, c, SpanText(own.from, own.to), now == own, true);
        for (const OfferedSpan& o : kOffered)
            if (o.command == c)
                Add(items, c, SpanText(o.span.from, o.span.to), now == o.span, true);
    }
    return items;
}

// Each monitor's own brightness at night; while none answers, a greyed line
// says so, and the choice stays.
std::vector<MenuItem> IconMenu::BacklightItems() {
    const Texts& t = context_.texts();
    const std::optional<int> level = night_.Backlight();
    std::vector<MenuItem> items;
    for (const Command c : kBacklightOrder) {
        if (c == kBacklightLeave) Add(items, c, t.backlightLeave, !level, true);
        if (c == kNoMonitorAnswers && level && !night_.BacklightAnswers())
            Add(items, c, t.noMonitorAnswers, false, false, false);
        for (const OfferedBacklight& o : kBacklights)
            if (o.command == c) Add(items, c, LngToText(o.percent) + "%", level == o.percent, true);
    }
    return items;
}

std::vector<MenuItem> IconMenu::PauseItems() {
    const Texts& t = context_.texts();
    std::vector<MenuItem> items;
    for (const Command c : kPauseOrder)
        Add(items, c,
            c == kPause15        ? t.pause15
            : c == kPauseHour    ? t.pauseHour
            : c == kPauseMorning ? t.pauseMorning
                                 : t.pauseAlways);
    return items;
}

// Windows' own language, then each of the program's by its own name; the
// tick on the one picked.
std::vector<MenuItem> IconMenu::LanguageItems() {
    const std::optional<Language> picked = context_.PickedLanguage();
    std::vector<MenuItem> items;
    Add(items, kLanguageAsWindows, context_.texts().languageAsWindows, !picked, true);
    for (int i = 0; i < text::kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        Add(items, kLanguageZh + i, text::NameOf(language).ownName, picked == language, true);
    }
    return items;
}

// Each warmth by its temperature, and what three are known as; the tick on
// the one whose tint the main monitor shows.
std::vector<MenuItem> IconMenu::WarmthItems() {
    const Texts& t = context_.texts();
    const Colour now = night_.Tint(MonitorIdentity(night_.MainMonitor()));
    const char* const known[] = {t.warmthCandle, nullptr, t.warmthBulb, t.warmthHalogen, nullptr};
    static_assert(std::size(known) == std::size(kWarmths) &&
                  std::size(kWarmthOrder) == std::size(kWarmths));
    std::vector<MenuItem> items;
    for (std::size_t i = 0; i < std::size(kWarmthOrder); ++i) {
        std::string text = LngToText(kWarmths[i].kelvin) + " K";
        if (known[i]) text += std::string(" (") + known[i] + ")";
        Add(items, kWarmthOrder[i], text, WarmthTint(kWarmths[i]) == now, true);
    }
    return items;
}

// The program the user works in, by its full path; none for the desktop,
// the shell, this program, or a process that cannot be opened.
std::string IconMenu::ProgramOf(Handle user) {
    if (user == 0 || context_.IsOurs(user) || host_.IsShellWindow(user) ||
        host_.IsNotificationArea(user))
        return {};
    std::string path = ProgramPathOf(host_, user);
    return ListableName(FileNameOf(path)) ? path : std::string();
}

int IconMenu::Run(Form& owner, Handle user, const std::string& hotKeys) {
    const Options& options = night_.Settings();
    const std::string exe = host_.ExePath();
    const bool atLogOn = StartsAtLogOn(host_, exe);
    // The ticks say what the system does, not only what was asked of it.
    const bool canExclude = night_.MayHideInCaptures();
    const bool excluded = canExclude && night_.LayersExcluded();
    const Texts& t = context_.texts();
    const std::string program = ProgramOf(user);
    night_.ReadListed();  // as the user may have edited it meanwhile
    const bool listed = !program.empty() && night_.Listed(program);
    std::vector<MenuItem> items;
    for (const Command c : kMenuOrder) {
        switch (c) {
            case kSeparator:
                Add(items, 0, {});
                break;
            case kSettings:
                Add(items, c, t.menuSettings);
                break;
            case kAllScreens:
                Add(items, c, t.menuAllScreens, options.allScreens);
                break;
            case kPerMonitor:
                // Greyed while one monitor is covered, unless it is on: it
                // can always be turned off.
                Add(items, c, t.menuPerMonitor, options.perMonitor, false,
                    night_.CoversSeveral() || options.perMonitor);
                break;
            case kHideInCaptures:
                Add(items, c, t.menuHideInCaptures, excluded, false, canExclude);
                break;
            case kStartAtLogOn:
                Add(items, c, t.menuStartAtLogOn, atLogOn);
                break;
            case kPauseFullScreen:
                Add(items, c, t.menuPauseFullScreen, options.pauseFullScreen);
                break;
            case kPauseFor:
                // Greyed, and said, when the list takes no more.
                if (!program.empty()) {
                    const bool full = !listed && night_.ListFull();
                    Add(items, c,
                        t.pauseForLead + MenuText(std::string(FileNameOf(program))) +
                            t.pauseForTail + (full ? t.listFull : ""),
                        listed, false, !full);
                }
                break;
            case kScheduleMenu:
                Add(items, 0, t.menuSchedule).sub = ScheduleItems();
                break;
            case kBacklightMenu:
                Add(items, 0, t.menuBacklight).sub = BacklightItems();
                break;
            case kPauseMenu:
                if (night_.Paused())
                    Add(items, kResume, t.menuResume);
                else
                    Add(items, 0, t.menuPause).sub = PauseItems();
                break;
            case kWarmthMenu:
                Add(items, 0, t.menuWarmth).sub = WarmthItems();
                break;
            case kHotKeys:
                Add(items, c, hotKeys, options.hotKeys);
                break;
            case kChooseHotKeys:
                Add(items, c, t.menuChooseHotKeys);
                break;
            case kShowLevel:
                Add(items, c, t.menuShowLevel, options.showLevel);
                break;
            case kLanguageMenu:
                Add(items, 0, t.menuLanguage).sub = LanguageItems();
                break;
            case kTurnOff:
                Add(items, c, t.turnOff);
                break;
            default:  // a command of the submenu
                break;
        }
    }
    // Keep-on-top waits while the menu is open, or the layers would cover it.
    night_.SetMenuOpen(true);
    night_.Apply();
    const int chosen = host_.PopupMenu(owner, items, context_.IsOurs(user) ? 0 : user);
    night_.SetMenuOpen(false);
    // A toggle takes effect only once it is written: a write the store
    // refuses leaves the old state, and the menu shows it next time.
    switch (chosen) {
        case kSettings:
        case kHotKeys:
        case kChooseHotKeys:
            return chosen;
        case kShowLevel:
            night_.SetShowLevel(!options.showLevel);
            break;
        case kAllScreens:
            night_.SetAllScreens(!options.allScreens);
            break;
        case kPerMonitor:
            if (night_.CoversSeveral() || options.perMonitor)
                night_.SetPerMonitor(!options.perMonitor);
            break;
        case kHideInCaptures:
            // The user asks for the opposite of what the tick showed.
            night_.SetHideInCaptures(!excluded);
            break;
        case kStartAtLogOn:
            SetStartAtLogOn(host_, exe, !atLogOn);
            break;
        case kPauseFullScreen:
            night_.SetPauseFullScreen(!options.pauseFullScreen);
            break;
        case kPauseFor:
            if (!program.empty()) night_.SetListed(program, !listed);
            break;
        case kTurnOff:
            night_.TurnOff();
            break;
        case kResume:
            night_.Resume();
            break;
        case kPause15:
            night_.Pause(15);
            break;
        case kPauseHour:
            night_.Pause(60);
            break;
        case kPauseMorning:
            night_.PauseUntilMorning();
            break;
        case kPauseAlways:
            night_.PauseUntilResumed();
            break;
        case kBacklightLeave:
            night_.SetBacklight(std::nullopt);
            break;
        case kLanguageAsWindows:
            context_.PickLanguage(std::nullopt);
            break;
        default:
            for (const OfferedBacklight& o : kBacklights)
                if (o.command == chosen) night_.SetBacklight(o.percent);
            for (std::size_t i = 0; i < std::size(kWarmthOrder); ++i)
                if (kWarmthOrder[i] == chosen) night_.SetTintEverywhere(WarmthTint(kWarmths[i]));
            if (const auto picked = ScheduleOf(chosen, night_.OwnSpan()))
                night_.PickSchedule(*picked);
            if (chosen >= kLanguageZh && chosen <= kLanguagePtBr)
                context_.PickLanguage(static_cast<Language>(chosen - kLanguageZh));
            break;
    }
    return kNone;
}

}  // namespace dv
