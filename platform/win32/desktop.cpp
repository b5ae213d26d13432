// The desktop as the program sees it: the monitors, the pointer, the window
// with the keyboard, the colours, and what captures may show.
#include "platform/win32/desktop.h"

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

// The device interface path of the display device's first monitor: the
// same for the same monitor on the same port whatever the order or the main
// monitor. Empty where the system gives none (before Windows Vista, or a
// driver that names no interface).
std::string InterfacePath(const wchar_t* device) {
    DISPLAY_DEVICEW dd{};
    dd.cb = sizeof dd;
    if (!EnumDisplayDevicesW(device, 0, &dd, EDD_GET_DEVICE_INTERFACE_NAME)) return {};
    dd.DeviceID[std::size(dd.DeviceID) - 1] = L'\0';
    return Utf8(dd.DeviceID);
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM lp) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(handle, &info)) return TRUE;
    auto& all = *reinterpret_cast<std::vector<Monitor>*>(lp);
    const RECT& r = info.rcMonitor;
    info.szDevice[std::size(info.szDevice) - 1] = L'\0';
    Monitor monitor({r.left, r.top, r.right, r.bottom}, Utf8(info.szDevice),
                    InterfacePath(info.szDevice));
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        all.insert(all.begin(), std::move(monitor));
    else
        all.push_back(std::move(monitor));
    return TRUE;
}

}  // namespace

std::vector<Monitor> Desktop::Monitors() {
    std::vector<Monitor> all;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&all));
    if (all.empty())
        all.emplace_back(
            PixelRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return all;
}

PixelPoint Desktop::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

// Windows 7 and later have the call; Vista does not, so it is looked up.
bool Desktop::SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) {
    using SetAffinityFn = BOOL(WINAPI*)(HWND, DWORD);
    static const auto set = Find<SetAffinityFn>(L"user32.dll", "SetWindowDisplayAffinity");
    return set && set(reinterpret_cast<HWND>(hWnd), affinity);
}

std::optional<std::uint32_t> Desktop::GetWindowDisplayAffinity(Handle hWnd) {
    using GetAffinityFn = BOOL(WINAPI*)(HWND, DWORD*);
    static const auto get = Find<GetAffinityFn>(L"user32.dll", "GetWindowDisplayAffinity");
    DWORD affinity = 0;
    if (!get || !get(reinterpret_cast<HWND>(hWnd), &affinity)) return std::nullopt;
    return affinity;
}

Handle Desktop::GetForegroundWindow() {
    return reinterpret_cast<Handle>(::GetForegroundWindow());
}

void Desktop::SetForegroundWindow(Handle hWnd) {
    ::SetForegroundWindow(reinterpret_cast<HWND>(hWnd));
}

bool Desktop::IsWindow(Handle hWnd) { return ::IsWindow(reinterpret_cast<HWND>(hWnd)); }

// The taskbar (on every monitor), the icons' overflow window, and the tray
// window Wine shows where no taskbar runs.
bool Desktop::IsNotificationArea(Handle hWnd) {
    wchar_t cls[40];
    if (!GetClassNameW(reinterpret_cast<HWND>(hWnd), cls, 40)) return false;
    for (const wchar_t* shell : {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd",
                                 L"NotifyIconOverflowWindow", L"__winex11_standalone_tray"})
        if (lstrcmpW(cls, shell) == 0) return true;
    return false;
}

SystemColours Desktop::GetSystemColours() {
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof hc;
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) &&
                      (hc.dwFlags & HCF_HIGHCONTRASTON);
    return {high,
            GetSysColor(COLOR_BTNFACE),
            GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_HIGHLIGHTTEXT),
            GetSysColor(COLOR_HOTLIGHT)};
}

}  // namespace dv::win32
