// The notification icon's popup menu.
#include "platform/win32/popup_menus.h"

#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

// The menu and its submenus; destroying the menu destroys them too.
HMENU BuildMenu(const std::vector<MenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const MenuItem& item : items) {
        if (!item.sub.empty()) {
            if (HMENU sub = BuildMenu(item.sub))
                AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                            Wide(item.text).c_str());
            continue;
        }
        if (item.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const auto id = static_cast<UINT>(item.id);
        AppendMenuW(menu,
                    MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED) |
                        (item.enabled ? MF_ENABLED : MF_GRAYED),
                    id, Wide(item.text).c_str());
        if (item.radio && item.checked) CheckMenuRadioItem(menu, id, id, id, MF_BYCOMMAND);
    }
    return menu;
}

}  // namespace

int PopupMenus::PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) {
    if (!owner.IsLoaded()) return 0;
    // The overlay lets all input through and is never activated, so it
    // cannot hold the menu's focus: a small hidden window does. It has no
    // owner, so that nothing hands the activation to the overlay when it goes.
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, instance_, nullptr);
    HMENU menu = BuildMenu(items);
    if (!window || !menu) {
        if (window) DestroyWindow(window);
        if (menu) DestroyMenu(menu);
        return 0;
    }
    POINT at;
    ::GetCursorPos(&at);
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
