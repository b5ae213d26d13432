// The commands of the tray icon's menu, by the ids the menu answers with.
#pragma once

namespace dv::menu {

enum Command : int {
    kNone = 0,
    kSettings,
    kAllScreens,
    kHideInCaptures,
    kStartAtLogOn,
    kTurnOff,
    kPause,  // or resume, while paused
    // The schedule's submenu.
    kNoSchedule,
    kSun,
    kSpan21,
    kSpan22,
    kSpan23,
    kStoredSpan,  // the user's own span, none of the above
    kHotKeys,
    // Lines of the menu that answer nothing: the schedule's submenu itself,
    // and a separator.
    kScheduleMenu,
    kSeparator = -1,
};

// The menu from top to bottom, and the schedule's submenu: stated here
// once, for the program and for the scripts that pick in it, which read
// these two lines (tests/e2e/lib.sh).
// clang-format off
inline constexpr Command kMenuOrder[] = {kSettings, kSeparator, kAllScreens, kHideInCaptures, kStartAtLogOn, kSeparator, kScheduleMenu, kPause, kHotKeys, kSeparator, kTurnOff};
inline constexpr Command kScheduleOrder[] = {kNoSchedule, kSun, kSpan21, kSpan22, kSpan23, kStoredSpan};
// clang-format on

}  // namespace dv::menu
