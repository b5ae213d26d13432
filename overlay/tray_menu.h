// The commands of the tray icon's menu, by the ids the menu answers with,
// and the spans its schedule submenu offers.
#pragma once

#include <optional>
#include <string>

#include "resources/texts.h"
#include "settings/schedule.h"

namespace dv::menu {

enum Command : int {
    kNone = 0,
    kSettings,
    kAllScreens,
    kHideInCaptures,
    kStartAtLogOn,
    kTurnOff,
    kResume,  // in the pause's place while paused
    // The schedule's submenu.
    kNoSchedule,
    kSun,
    kSpan21,
    kSpan22,
    kSpan23,
    kStoredSpan,  // the user's own span, none of the above
    kHotKeys,
    kPerMonitor,
    kPauseFullScreen,
    kPauseFor,  // the program the user works in
    // The monitors' own brightness at night: left as it is, or a level.
    kBacklightLeave,
    kBacklight80,
    kBacklight60,
    kBacklight40,
    kBacklight20,
    kBacklight0,
    // How long a pause lasts.
    kPause15,
    kPauseHour,
    kPauseMorning,
    kPauseAlways,
    // A tint by the warmth of a black body.
    kWarmth1900,
    kWarmth2300,
    kWarmth2700,
    kWarmth3400,
    kWarmth4200,
    // The hot-key dialog, and the option that shows a changed level.
    kChooseHotKeys,
    kShowLevel,
    // The language: Windows' own, or one of the program's, in the order of
    // text::Language.
    kLanguageAsWindows,
    kLanguageZh,
    kLanguageZhHant,
    kLanguageEn,
    kLanguageJa,
    kLanguageKo,
    kLanguageDe,
    kLanguageFr,
    kLanguageEs,
    kLanguageRu,
    kLanguagePtBr,
    // Lines of the menu that answer nothing: the submenus themselves, the
    // greyed line that says no monitor answers, and a separator.
    kScheduleMenu,
    kBacklightMenu,
    kNoMonitorAnswers,
    kWarmthMenu,
    kPauseMenu,  // kResume while paused
    kLanguageMenu,
    kSeparator = -1,
};

// The menu from top to bottom, and its submenus: stated here once, for the
// program and for the scripts that pick in it, which read these lines
// (tests/e2e/lib.sh).
// clang-format off
inline constexpr Command kMenuOrder[] = {kSettings, kSeparator, kAllScreens, kPerMonitor, kBacklightMenu, kHideInCaptures, kStartAtLogOn, kPauseFullScreen, kPauseFor, kSeparator, kScheduleMenu, kWarmthMenu, kPauseMenu, kHotKeys, kChooseHotKeys, kShowLevel, kLanguageMenu, kSeparator, kTurnOff};
inline constexpr Command kScheduleOrder[] = {kNoSchedule, kSun, kSpan21, kSpan22, kSpan23, kStoredSpan};
inline constexpr Command kBacklightOrder[] = {kBacklightLeave, kBacklight80, kBacklight60, kBacklight40, kBacklight20, kBacklight0, kNoMonitorAnswers};
inline constexpr Command kWarmthOrder[] = {kWarmth1900, kWarmth2300, kWarmth2700, kWarmth3400, kWarmth4200};
inline constexpr Command kPauseOrder[] = {kPause15, kPauseHour, kPauseMorning, kPauseAlways};
inline constexpr Command kLanguageOrder[] = {kLanguageAsWindows, kLanguageZh, kLanguageZhHant, kLanguageEn, kLanguageJa, kLanguageKo, kLanguageDe, kLanguageFr, kLanguageEs, kLanguageRu, kLanguagePtBr};
// clang-format on

static_assert(std::size(kLanguageOrder) == text::kLanguageCount + 1 &&
              kLanguagePtBr - kLanguageZh + 1 == text::kLanguageCount);

// The levels the backlight's submenu offers, in percent.
struct OfferedBacklight {
    Command command;
    int percent;
};
inline constexpr OfferedBacklight kBacklights[] = {
    {kBacklight80, 80}, {kBacklight60, 60}, {kBacklight40, 40},
    {kBacklight20, 20}, {kBacklight0, 0},
};

// The spans the menu offers, with their commands.
struct OfferedSpan {
    Command command;
    Schedule span;
};
inline constexpr OfferedSpan kOffered[] = {
    {kSpan21, {Schedule::Kind::Span, 21 * 60, 7 * 60}},
    {kSpan22, {Schedule::Kind::Span, 22 * 60, 7 * 60}},
    {kSpan23, {Schedule::Kind::Span, 23 * 60, 7 * 60}},
};

bool Offered(const Schedule& s);
// The schedule a command of the submenu stands for; `own` is the user's own
// span, if any.
std::optional<Schedule> ScheduleOf(int command, const Schedule& own);
// A span as the menu shows it: "21:00 – 07:00".
std::string SpanText(int from, int to);

}  // namespace dv::menu
