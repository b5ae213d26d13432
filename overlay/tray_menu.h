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
};

}  // namespace dv::menu
