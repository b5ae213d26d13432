#include "platform/win32/win32_platform.h"

#include "platform/win32/window.h"

namespace dv::win32 {

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance), windowClass_(instance), menus_(instance) {
    WindowDc screen(nullptr);
    dpi_ = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    if (dpi_ <= 0) dpi_ = 96;
    const int dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    tppX_ = 1440.0f / static_cast<float>(dpi_);
    tppY_ = 1440.0f / static_cast<float>(dpiY > 0 ? dpiY : dpi_);
}

}  // namespace dv::win32
