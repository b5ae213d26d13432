// A window whose text screen readers read out when it changes, without the
// keyboard going to it (a live region, Windows 8 and later).
#pragma once

#include <windows.h>

namespace dv::win32 {

// Says that `hwnd`'s text changed, making the window a polite live region
// first unless `marked` says it was (systems before Windows 8 keep the mark
// and ignore the event).
void TellLiveRegionChanged(HWND hwnd, bool& marked);

}  // namespace dv::win32
