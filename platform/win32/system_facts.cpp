// What the system says of itself: its version, the time and the time zone,
// and where the exe stands.
#include "platform/win32/system_facts.h"

#include "platform/win32/bench_marks.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {

// Asked of ntdll, which tells the truth whatever the exe's manifest says.
OsVersion SystemFacts::WindowsVersion() {
    using GetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto get = Find<GetVersionFn>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (!get || get(&v) != 0) return {};
    return {v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber};
}

WallClock SystemFacts::Now() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::uint64_t ticks = (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
    // 100 ns ticks from 1601 to seconds from 1970.
    const auto utc = BenchClock(static_cast<std::int64_t>(ticks / 10'000'000) - 11'644'473'600);
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
std::string SystemFacts::TimeZoneKey() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return {};
    zone.TimeZoneKeyName[sizeof zone.TimeZoneKeyName / sizeof(wchar_t) - 1] = L'\0';
    return Utf8(zone.TimeZoneKeyName);
}

std::string SystemFacts::ExePath() {
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

namespace {

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

}  // namespace

bool SystemFacts::HasFontFace(const char* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = Wide(face);
    if (name.size() >= LF_FACESIZE) return false;
    name.copy(wanted.lfFaceName, name.size());
    const WindowDc screen(nullptr);
    bool found = false;
    EnumFontFamiliesExW(screen.Get(), &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace dv::win32
