#include "overlay/mdluser.h"

#include <cstring>

namespace dv {

void SetLayeredAlpha(Platform& host, Handle hWnd, Colour crKey, std::uint8_t bAlpha,
                     std::uint32_t dwFlags) {
    const std::int32_t style = host.GetWindowLongA(hWnd, kGwlExStyle);
    host.SetWindowLongA(hWnd, kGwlExStyle, style | kWsExLayered);
    host.SetLayeredWindowAttributes(hWnd, crKey, bAlpha, dwFlags);
}

void Mdluser::TrayAdd(Platform& host) {
    host.Shell_NotifyIconA(kNimAdd, nidTray);
    trayShown = true;
}

void Mdluser::TrayDelete(Platform& host) {
    host.Shell_NotifyIconA(kNimDelete, nidTray);
    trayShown = false;
}

std::string TrayTip(const char* name) {
    std::string tip(name, std::min<std::size_t>(std::strlen(name), 63));
    tip.push_back('\0');
    tip.resize(64, ' ');
    return tip;
}

}  // namespace dv
