// A window whose text screen readers read out when it changes, without the
// keyboard going to it (a live region, Windows 8 and later).
#pragma once

#include <windows.h>

namespace dv::win32 {

// Says that `hwnd`'s text changed. While a screen reader runs, the window is
// made a polite live region first, unless `marked` says it was; nothing is
// loaded while none runs.
void TellLiveRegionChanged(HWND hwnd, bool& marked);

}  // namespace dv::win32
