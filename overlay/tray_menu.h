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
};

}  // namespace dv::menu
