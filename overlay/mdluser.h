// What the windows share: the overlay's alpha, the tray record, and the
// procedure that gives a window its layered alpha.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace dv {

struct Mdluser {
    // The overlay's alpha: 0 invisible, 255 opaque. 0 until the overlay loads.
    std::uint8_t bytLig = 0;
    // Filled once by the overlay's load; every add and delete passes it.
    TrayRecord nidTray;
    // Whether the icon should stand in the notification area now, so that it
    // can be put back when the shell starts again.
    bool trayShown = false;

    void TrayAdd(Platform& host);
    void TrayDelete(Platform& host);
};

// Makes the window layered and gives it the colour key, alpha and flags.
void SetLayeredAlpha(Platform& host, Handle hWnd, Colour crKey, std::uint8_t bAlpha,
                     std::uint32_t dwFlags);

// The tip field: the name, one NUL, then blanks to 64 characters.
std::string TrayTip(const char* name);

}  // namespace dv
