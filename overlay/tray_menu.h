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
    kStoredSpan,  // a stored span none of the above
};

}  // namespace dv::menu
