// The monitors, the system's version, capture exclusion, the clocks, the
// time zone, hot keys and the exe's path.
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_platform.h"

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

std::vector<Monitor> Win32Platform::Monitors() {
    std::vector<Monitor> all;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&all));
    if (all.empty())
        all.emplace_back(
            PixelRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return all;
}

PixelPoint Win32Platform::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

// Asked of ntdll, which tells the truth whatever the exe's manifest says.
OsVersion Win32Platform::WindowsVersion() {
    using GetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto get = Find<GetVersionFn>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (!get || get(&v) != 0) return {};
    return {v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber};
}

// Windows 7 and later have the call; Vista does not, so it is looked up.
bool Win32Platform::SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) {
    using SetAffinityFn = BOOL(WINAPI*)(HWND, DWORD);
    static const auto set = Find<SetAffinityFn>(L"user32.dll", "SetWindowDisplayAffinity");
    return set && set(reinterpret_cast<HWND>(hWnd), affinity);
}

std::optional<std::uint32_t> Win32Platform::GetWindowDisplayAffinity(Handle hWnd) {
    using GetAffinityFn = BOOL(WINAPI*)(HWND, DWORD*);
    static const auto get = Find<GetAffinityFn>(L"user32.dll", "GetWindowDisplayAffinity");
    DWORD affinity = 0;
    if (!get || !get(reinterpret_cast<HWND>(hWnd), &affinity)) return std::nullopt;
    return affinity;
}

Handle Win32Platform::GetForegroundWindow() {
    return reinterpret_cast<Handle>(::GetForegroundWindow());
}

void Win32Platform::SetForegroundWindow(Handle hWnd) {
    ::SetForegroundWindow(reinterpret_cast<HWND>(hWnd));
}

bool Win32Platform::IsWindow(Handle hWnd) { return ::IsWindow(reinterpret_cast<HWND>(hWnd)); }

// The taskbar (on every monitor), the icons' overflow window, and the tray
// window Wine shows where no taskbar runs.
bool Win32Platform::IsNotificationArea(Handle hWnd) {
    wchar_t cls[40];
    if (!GetClassNameW(reinterpret_cast<HWND>(hWnd), cls, 40)) return false;
    for (const wchar_t* shell : {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd",
                                 L"NotifyIconOverflowWindow", L"__winex11_standalone_tray"})
        if (lstrcmpW(cls, shell) == 0) return true;
    return false;
}

SystemColours Win32Platform::GetSystemColours() {
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

WallClock Win32Platform::Now() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::uint64_t ticks = (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
    // 100 ns ticks from 1601 to seconds from 1970.
    const auto utc = static_cast<std::int64_t>(ticks / 10'000'000) - 11'644'473'600;
    // The zone as it is set now, daylight saving included; read afresh each
    // time, so that a changed zone counts at once.
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (which == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (which == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    if (which == TIME_ZONE_ID_INVALID) bias = 0;
    return {utc, static_cast<int>(-bias)};
}

// Vista and later; the key name is what the zone is known by in the
// registry, whatever the user's language.
std::string Win32Platform::TimeZoneKey() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return {};
    zone.TimeZoneKeyName[sizeof zone.TimeZoneKeyName / sizeof(wchar_t) - 1] = L'\0';
    return Utf8(zone.TimeZoneKeyName);
}

bool Win32Platform::RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) {
    return ::RegisterHotKey(reinterpret_cast<HWND>(hWnd), id, modifiers, vk) != 0;
}

void Win32Platform::UnregisterHotKey(Handle hWnd, int id) {
    ::UnregisterHotKey(reinterpret_cast<HWND>(hWnd), id);
}

std::string Win32Platform::ExePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return Utf8(path);
        }
        path.resize(path.size() * 2);  // a long path: try again with room for it
    }
}

}  // namespace dv::win32
