// The settings key: reading, planting hostile values, denying writes.
#include "tools/probe/probe.h"

#include "overlay/monitors.h"
#include "settings/convert.h"
#include "settings/zones.h"

#include <aclapi.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace probe {

void RegGet(const wchar_t* name, const wchar_t* key) {
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) {
        std::printf("absent\n");
        return;
    }
    wchar_t buf[256] = {};
    DWORD size = sizeof buf - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) !=
        ERROR_SUCCESS)
        std::printf("absent\n");
    else if (type == REG_SZ)
        std::printf("sz %ls\n", buf);
    else
        std::printf("type %lu\n", static_cast<unsigned long>(type));
    RegCloseKey(k);
}

// Writes a value of a given kind: sz TEXT, dword N, binary, multi, nul, big.
namespace {

struct Found {
    int number;
    dv::Monitor monitor;
};

std::string Narrow(const wchar_t* w) {
    std::string out(static_cast<std::size_t>(
                        WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, out.data(), static_cast<int>(out.size()), nullptr,
                        nullptr);
    out.resize(std::strlen(out.c_str()));
    return out;
}

BOOL CALLBACK FindMonitor(HMONITOR m, HDC, LPRECT, LPARAM lp) {
    auto& found = *reinterpret_cast<Found*>(lp);
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(m, &info)) return TRUE;
    DISPLAY_DEVICEW dd{};
    dd.cb = sizeof dd;
    if (!EnumDisplayDevicesW(info.szDevice, 0, &dd, EDD_GET_DEVICE_INTERFACE_NAME))
        dd.DeviceID[0] = L'\0';
    dv::Monitor monitor({}, Narrow(info.szDevice), Narrow(dd.DeviceID));
    if (dv::MonitorNumber(monitor) != found.number) return TRUE;
    found.monitor = monitor;
    return FALSE;
}

}  // namespace

// The key the program keeps display `number`'s own level in.
std::wstring MonitorKey(int number) {
    Found found{number, {}};
    EnumDisplayMonitors(nullptr, nullptr, FindMonitor, reinterpret_cast<LPARAM>(&found));
    const std::string key = dv::MonitorKeyName(dv::MonitorIdentity(found.monitor));
    std::wstring path = dv::names::kMonitorsKey;
    path += L"\\";
    path.append(key.begin(), key.end());  // the identities are ASCII
    return path;
}

void MonitorGet(int number, const wchar_t* name) { RegGet(name, MonitorKey(number).c_str()); }

void MonitorSet(int number, const wchar_t* name, const wchar_t* text) {
    HKEY k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, MonitorKey(number).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
}

void RegSet(const wchar_t* name, const wchar_t* kind, const wchar_t* text) {
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr);
    if (!std::wcscmp(kind, L"sz")) {
        RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
    } else if (!std::wcscmp(kind, L"dword")) {
        DWORD v = static_cast<DWORD>(std::wcstoul(text, nullptr, 10));
        RegSetValueExW(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    } else if (!std::wcscmp(kind, L"binary")) {
        const BYTE b[] = {'1', 0, '2', 0, 0xFF, 0xFE, 0x41};
        RegSetValueExW(k, name, 0, REG_BINARY, b, sizeof b);
    } else if (!std::wcscmp(kind, L"multi")) {
        const wchar_t m[] = L"100\0200\0";
        RegSetValueExW(k, name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(m), sizeof m);
    } else if (!std::wcscmp(kind, L"nul")) {
        const wchar_t m[] =
            L"12\0"
            L"34";
        RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(m), sizeof m);
    } else if (!std::wcscmp(kind, L"big")) {
        std::wstring big(1 << 20, L'7');
        RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(big.c_str()),
                       static_cast<DWORD>((big.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(k);
}

void RegClear() {
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, WRITE_DAC, &k) == ERROR_SUCCESS) {
        SetSecurityInfo(k, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                        nullptr);
        RegCloseKey(k);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"" DV_STORE_ROOT "\\" DV_APP_NAME);
    // What starts at log-on is part of the state a test starts from.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, dv::names::kRunKey, dv::names::kRunValue);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, dv::names::kStartupApprovedKey, dv::names::kRunValue);
}

// The system's enabled or disabled mark beside the Run entry, as hex bytes.
void ApprovedSet(const wchar_t* hex) {
    BYTE bytes[32];
    DWORD n = 0;
    for (const wchar_t* p = hex; p[0] && p[1] && n < sizeof bytes; p += 2) {
        const wchar_t pair[3] = {p[0], p[1], 0};
        bytes[n++] = static_cast<BYTE>(std::wcstoul(pair, nullptr, 16));
    }
    HKEY k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, dv::names::kStartupApprovedKey, 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(k, dv::names::kRunValue, 0, REG_BINARY, bytes, n);
    RegCloseKey(k);
}

void ApprovedGet() {
    BYTE bytes[64];
    DWORD size = sizeof bytes, type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, dv::names::kStartupApprovedKey, dv::names::kRunValue,
                     RRF_RT_ANY, &type, bytes, &size) != ERROR_SUCCESS) {
        std::printf("absent\n");
        return;
    }
    std::printf("bin ");
    for (DWORD i = 0; i < size; ++i) std::printf("%02x", bytes[i]);
    std::printf("\n");
}

// Denies writes to the settings key, reads stay allowed.
void RegDeny() {
    HKEY k;
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    BYTE buf[512];
    auto* acl = reinterpret_cast<PACL>(buf);
    InitializeAcl(acl, sizeof buf, ACL_REVISION);
    AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, everyone);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC | DELETE, everyone);
    const DWORD r = SetSecurityInfo(k, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                    acl, nullptr);
    RegCloseKey(k);
    HKEY w;
    const LONG probeWrite = RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &w);
    if (probeWrite == ERROR_SUCCESS) RegCloseKey(w);
    std::printf("deny %lu write-open %ld\n", static_cast<unsigned long>(r),
                static_cast<long>(probeWrite));
    FreeSid(everyone);
}

}  // namespace probe

namespace probe {

// The system's time-zone list against the program's places: a line for
// every zone the program has no place for ("zone NAME no place"), whose
// place lies more than 30 degrees of longitude (rounded to whole degrees)
// from the zone's standard meridian ("zone NAME DEGREES off"), or, for a
// zone with summer time, in the other hemisphere than its summer ("zone
// NAME hemisphere off": summer time that begins later in the year than it
// ends is the south's); then "zones N missing M off K".
void Zones() {
    HKEY list;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", 0, KEY_READ,
                      &list) != ERROR_SUCCESS) {
        std::printf("zones 0 missing 0 off 0\n");
        return;
    }
    int n = 0, missing = 0, off = 0;
    wchar_t name[128];
    for (DWORD i = 0;; ++i) {
        DWORD len = 128;
        if (RegEnumKeyExW(list, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        ++n;
        char utf8[256];
        WideCharToMultiByte(CP_UTF8, 0, name, -1, utf8, sizeof utf8, nullptr, nullptr);
        const auto place = dv::PlaceOfZone(utf8);
        if (!place) {
            ++missing;
            std::printf("zone %s no place\n", utf8);
            continue;
        }
        HKEY zone;
        LONG bias = 0;
        WORD standardMonth = 0, summerMonth = 0;
        if (RegOpenKeyExW(list, name, 0, KEY_READ, &zone) == ERROR_SUCCESS) {
            BYTE tzi[44] = {};
            DWORD size = sizeof tzi;
            if (RegQueryValueExW(zone, L"TZI", nullptr, nullptr, tzi, &size) == ERROR_SUCCESS) {
                std::memcpy(&bias, tzi, sizeof bias);
                std::memcpy(&standardMonth, tzi + 14, sizeof standardMonth);
                std::memcpy(&summerMonth, tzi + 30, sizeof summerMonth);
            }
            RegCloseKey(zone);
        }
        if (standardMonth && summerMonth &&
            (summerMonth > standardMonth) != (place->latitude < 0)) {
            ++off;
            std::printf("zone %s hemisphere off\n", utf8);
        }
        const double meridian = -bias / 4.0;  // minutes west of UTC to degrees east
        double d = std::fmod(place->longitude - meridian + 540.0, 360.0) - 180.0;
        if (d < 0) d = -d;
        if (std::lround(d) > 30) {
            ++off;
            std::printf("zone %s %.2f off\n", utf8, d);
        }
    }
    RegCloseKey(list);
    std::printf("zones %d missing %d off %d\n", n, missing, off);
}

}  // namespace probe
