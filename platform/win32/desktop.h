// The desktop as the program sees it: the monitors, the pointer, the window
// with the keyboard, the colours, and what captures may show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace dv::win32 {

class Desktop {
   public:
    std::vector<Monitor> Monitors();
    PixelPoint GetCursorPos();
    bool SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity);
    std::optional<std::uint32_t> GetWindowDisplayAffinity(Handle hWnd);
    Handle GetForegroundWindow();
    void SetForegroundWindow(Handle hWnd);
    bool IsWindow(Handle hWnd);
    bool IsNotificationArea(Handle hWnd);
    SystemColours GetSystemColours();
};

}  // namespace dv::win32
