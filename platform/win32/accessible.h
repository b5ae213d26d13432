// Screen readers: an IAccessible over a form's drawn parts, made when a
// reader asks the window for it (WM_GETOBJECT) and reading the form afresh
// at every call, so that it outlives nothing.
#pragma once

#include <windows.h>

namespace dv::win32 {

// A reader's press or focus of part `wParam`, done from the window's loop.
constexpr UINT kPressPart = WM_APP + 1;
constexpr UINT kFocusPart = WM_APP + 2;

// The answer to WM_GETOBJECT for the client area of `hwnd`; 0 where the
// system cannot hand the object over (the caller then leaves it to the
// system).
LRESULT AccessibleClient(HWND hwnd, WPARAM wp);

// Tells readers that part `index` of the window took the focus or changed
// its value.
void NotifyAccessible(HWND hwnd, bool focus, int index);

}  // namespace dv::win32
