// The notification icon's popup menu.
#include "platform/form.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_platform.h"

namespace dv::win32 {

int Win32Platform::PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) {
    if (!owner.IsLoaded()) return 0;
    // The overlay lets all input through and is never activated, so it
    // cannot hold the menu's focus: a small hidden window does. It has no
    // owner, so that nothing hands the activation to the overlay when it goes.
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, instance_, nullptr);
    HMENU menu = CreatePopupMenu();
    if (!window || !menu) {
        if (window) DestroyWindow(window);
        if (menu) DestroyMenu(menu);
        return 0;
    }
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu,
                    MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED) |
                        (item.enabled ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(item.id), Wide(item.text).c_str());
    }
    POINT at;
    GetCursorPos(&at);
    // The owner must be in front for the menu to close when the user clicks
    // elsewhere, and must get a message after it, as the shell expects. The
    // keyboard goes back before the window goes: a window that goes while it
    // is active hands the activation on to another of its own choosing.
    ::SetForegroundWindow(window);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x,
                       at.y, 0, window, nullptr));
    PostMessageW(window, WM_NULL, 0, 0);
    const HWND user = reinterpret_cast<HWND>(giveBackTo);
    if (user && ::IsWindow(user) && ::GetForegroundWindow() == window) ::SetForegroundWindow(user);
    DestroyMenu(menu);
    DestroyWindow(window);
    return chosen;
}

}  // namespace dv::win32
