// The tray icon's menu: the settings window, the options, starting at
// log-on, and turning night mode off.
#include "overlay/tray_menu.h"

#include "overlay/frm_night.h"
#include "overlay/layer.h"
#include "resources/names.h"
#include "resources/texts.h"
#include "startup/program.h"

namespace dv {

using namespace menu;

bool FrmNight::LayersExcluded() {
    const auto excluded = [this](Handle h) {
        return Host().GetWindowDisplayAffinity(h) == kWdaExcludeFromCapture;
    };
    if (!excluded(hWnd())) return false;
    for (const auto& s : program_.screens.All())
        if (!excluded(s->NativeHandle())) return false;
    return true;
}

namespace {

// The spans the menu offers, with their commands.
struct OfferedSpan {
    Command command;
    Schedule span;
};
constexpr OfferedSpan kOffered[] = {
    {kSpan21, {Schedule::Kind::Span, 21 * 60, 7 * 60}},
    {kSpan22, {Schedule::Kind::Span, 22 * 60, 7 * 60}},
    {kSpan23, {Schedule::Kind::Span, 23 * 60, 7 * 60}},
};

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

std::string SpanText(int from, int to) {
    return ClockText(from) + text::kMenuSpanDash + ClockText(to);
}

bool Offered(const Schedule& s) {
    for (const OfferedSpan& o : kOffered)
        if (o.span == s) return true;
    return false;
}

// The schedule a command of the submenu stands for.
std::optional<Schedule> ScheduleOf(int command, const Schedule& own) {
    if (command == kNoSchedule) return Schedule{};
    if (command == kSun) return Schedule{Schedule::Kind::Sun};
    if (command == kStoredSpan && own.kind == Schedule::Kind::Span) return own;
    for (const OfferedSpan& o : kOffered)
        if (o.command == command) return o.span;
    return std::nullopt;
}

}  // namespace

Schedule FrmNight::OwnSpan() const {
    for (const Schedule& s : {night_.schedule, storedOwnSpan_})
        if (s.kind == Schedule::Kind::Span && !Offered(s)) return s;
    return {};
}

std::vector<MenuItem> FrmNight::ScheduleItems() {
    const Schedule& now = night_.schedule;
    // The sun's item shows tonight's hours: today's sunset and sunrise, or
    // the span it stands in for without a place.
    const Texts& t = program_.texts();
    std::string sun = t.menuSun;
    if (!night_.place) {
        sun += " (" + SpanText(kNightWithoutPlace.from, kNightWithoutPlace.to) + ")";
    } else if (const auto times = TodaysSun(Host().Now(), *night_.place)) {
        sun += " (" + SpanText(times->sunset, times->sunrise) + ")";
    }
    const Schedule own = OwnSpan();
    std::vector<MenuItem> items;
    for (const Command c : kScheduleOrder) {
        if (c == kNoSchedule) Add(items, c, t.menuNoSchedule, now.kind == Schedule::Kind::None, true);
        if (c == kSun) Add(items, c, sun, now.kind == Schedule::Kind::Sun, true);
        if (c == kStoredSpan && own.kind == Schedule::Kind::Span)
            Add(items, c, SpanText(own.from, own.to), now == own, true);
        for (const OfferedSpan& o : kOffered)
            if (o.command == c) Add(items, c, SpanText(o.span.from, o.span.to), now == o.span, true);
    }
    return items;
}

// The user's own span is kept under a value of its own before another
// choice replaces it, so that the menu offers it again. A store that
// refuses to keep it refuses the pick too: the span is never lost. A
// refused write of the choice itself leaves the schedule as it was (the
// span, kept by then, stays kept).
void FrmNight::PickSchedule(const Schedule& s) {
    Platform& host = Host();
    const Schedule own = OwnSpan();
    if (own.kind == Schedule::Kind::Span && !(own == storedOwnSpan_)) {
        if (!host.SaveSetting(names::kAppName, names::kSection, names::kKeyOwnSpan,
                              ScheduleText(own)))
            return;
        storedOwnSpan_ = own;
    }
    if (!host.SaveSetting(names::kAppName, names::kSection, names::kKeySchedule, ScheduleText(s)))
        return;
    night_.schedule = s;
}

void FrmNight::TrayMenu(Handle user) {
    Platform& host = Host();
    Options& options = program_.options;
    // Never over an open settings window (F7 holds it modally).
    if (program_.frmSet.IsShown()) return;
    const std::string exe = host.ExePath();
    const bool atLogOn = StartsAtLogOn(host, exe);
    // The ticks say what the system does, not only what was asked of it.
    const bool canExclude = MayExcludeFromCapture(program_.os);
    const bool excluded = canExclude && LayersExcluded();
    const Texts& t = program_.texts();
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
            case kHideInCaptures:
                Add(items, c, t.menuHideInCaptures, excluded, false, canExclude);
                break;
            case kStartAtLogOn:
                Add(items, c, t.menuStartAtLogOn, atLogOn);
                break;
            case kScheduleMenu:
                Add(items, 0, t.menuSchedule).sub = ScheduleItems();
                break;
            case kPause:
                Add(items, c, night_.Paused(host.TickCount()) ? t.menuResume : t.menuPause);
                break;
            case kHotKeys:
                Add(items, c, HotKeysText(), options.hotKeys);
                break;
            case kTurnOff:
                Add(items, c, t.turnOff);
                break;
            default:  // a command of the submenu
                break;
        }
    }
    // Keep-on-top waits while the menu is open, or the layers would cover it.
    menuOpen_ = true;
    Apply();
    const int chosen = host.PopupMenu(*this, items, program_.IsOurs(user) ? 0 : user);
    menuOpen_ = false;
    // A toggle takes effect only once it is written: a write the store
    // refuses leaves the old state, and the menu shows it next time.
    switch (chosen) {
        case kSettings:
            OpenSettingsFromTray(user);
            return;
        case kAllScreens:
            if (!SaveOption(host, names::kKeyAllScreens, !options.allScreens)) break;
            options.allScreens = !options.allScreens;
            LayOutScreens();
            break;
        case kHideInCaptures:
            // The user asks for the opposite of what the tick showed.
            if (!canExclude || !SaveOption(host, names::kKeyHideInCaptures, !excluded)) break;
            options.hideInCaptures = !excluded;
            SetCaptureExclusion(host, hWnd(), program_.os, options.hideInCaptures);
            program_.screens.SetCaptureExclusion(program_.os, options.hideInCaptures);
            break;
        case kStartAtLogOn:
            SetStartAtLogOn(host, exe, !atLogOn);
            break;
        case kTurnOff:
            program_.TurnOff(BackColor());
            break;
        case kPause:
            PauseOrResume();
            break;
        case kHotKeys:
            if (!SaveOption(host, names::kKeyHotKeys, !options.hotKeys)) break;
            options.hotKeys = !options.hotKeys;
            SetHotKeys(options.hotKeys);
            break;
        default:
            if (const auto picked = ScheduleOf(chosen, OwnSpan())) PickSchedule(*picked);
            break;
    }
    Apply();
    // Whatever the command did, the keyboard is the user's program's.
    if (program_.HoldsForeground()) program_.GiveForegroundTo(user);
}

}  // namespace dv
