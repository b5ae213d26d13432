// The window and shell calls the program makes itself: z-order, styles,
// the layers' alpha and the notification icon.
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

class WindowCalls {
   public:
    void SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags);
    std::int32_t GetWindowLongA(Handle hWnd, int index);
    void SetWindowLongA(Handle hWnd, int index, std::int32_t value);
    void SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                    std::uint32_t flags);
    void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record);
};

}  // namespace dv::win32
