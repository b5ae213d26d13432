// Simulated monitors that answer brightness commands, for the end-to-end
// tests: a stand-in for the system's monitor configuration DLL, put in a
// test prefix's system folder. Each line of C:\ddc\monitors.txt is one
// physical monitor:
//   DEVICE MINIMUM MAXIMUM LEVEL DELAY ANSWERS
// ("\\.\DISPLAY1 0 100 80 50 1"): its display's device name, its range,
// where it stands (written back after each write), how many milliseconds
// each call takes (-1: until C:\ddc\go exists), and 0 for one that never
// answers. Every call is logged to C:\ddc\log.txt with its tick count.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kMonitors = "C:\\ddc\\monitors.txt";
constexpr const char* kLog = "C:\\ddc\\log.txt";
constexpr const char* kGo = "C:\\ddc\\go";

struct Sim {
    char device[64] = {};
    unsigned minimum = 0, maximum = 100, level = 0;
    int delay = 0, answers = 1;
};

CRITICAL_SECTION g_lock;

std::vector<Sim> Load() {
    std::vector<Sim> all;
    if (FILE* f = std::fopen(kMonitors, "r")) {
        Sim s;
        while (std::fscanf(f, "%63s %u %u %u %d %d", s.device, &s.minimum, &s.maximum, &s.level,
                           &s.delay, &s.answers) == 6)
            all.push_back(s);
        std::fclose(f);
    }
    return all;
}

void Save(const std::vector<Sim>& all) {
    const std::string temp = std::string(kMonitors) + ".new";
    if (FILE* f = std::fopen(temp.c_str(), "w")) {
        for (const Sim& s : all)
            std::fprintf(f, "%s %u %u %u %d %d\n", s.device, s.minimum, s.maximum, s.level, s.delay,
                         s.answers);
        std::fclose(f);
        MoveFileExA(temp.c_str(), kMonitors, MOVEFILE_REPLACE_EXISTING);
    }
}

void Log(const char* call, std::size_t index, unsigned value) {
    if (FILE* f = std::fopen(kLog, "a")) {
        std::fprintf(f, "%llu %s %u %u\n", static_cast<unsigned long long>(GetTickCount64()), call,
                     static_cast<unsigned>(index), value);
        std::fclose(f);
    }
}

// A monitor's handle is its line's number, from 1.
std::size_t IndexOf(HANDLE h) { return reinterpret_cast<std::size_t>(h) - 1; }

// Takes as long as the monitor takes: outside the lock, as calls to
// different monitors would.
void Wait(int delay) {
    if (delay > 0) Sleep(static_cast<DWORD>(delay));
    while (delay < 0 && GetFileAttributesA(kGo) == INVALID_FILE_ATTRIBUTES) Sleep(20);
}

std::string DeviceOf(HMONITOR monitor) {
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return {};
    return info.szDevice;
}

struct Physical {
    HANDLE handle;
    WCHAR description[128];
};

// Reads (and with `write`, sets) a monitor's level, as a call takes it.
BOOL Call(HANDLE h, const char* name, unsigned* minimum, unsigned* current, unsigned* maximum,
          const unsigned* write) {
    std::vector<Sim> all = Load();
    const std::size_t i = IndexOf(h);
    if (i >= all.size()) return FALSE;
    Wait(all[i].delay);
    EnterCriticalSection(&g_lock);
    all = Load();
    BOOL ok = all[i].answers != 0;
    if (ok && write) {
        all[i].level = *write;
        Save(all);
    }
    if (ok && current) {
        *minimum = all[i].minimum;
        *current = all[i].level;
        *maximum = all[i].maximum;
    }
    Log(ok ? name : "refused", i, write ? *write : all[i].level);
    LeaveCriticalSection(&g_lock);
    return ok;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&g_lock);
    return TRUE;
}

BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count) {
    const std::string device = DeviceOf(monitor);
    DWORD n = 0;
    for (const Sim& s : Load()) n += device == s.device;
    *count = n;
    Log("count", 0, n);
    return n > 0;
}

BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD count, Physical* out) {
    const std::string device = DeviceOf(monitor);
    const std::vector<Sim> all = Load();
    DWORD n = 0;
    for (std::size_t i = 0; i < all.size() && n < count; ++i) {
        if (device != all[i].device) continue;
        out[n].handle = reinterpret_cast<HANDLE>(i + 1);
        std::memset(out[n].description, 0, sizeof out[n].description);
        ++n;
    }
    Log("open", 0, n);
    return n == count;
}

BOOL WINAPI DestroyPhysicalMonitors(DWORD count, Physical* monitors) {
    for (DWORD i = 0; i < count; ++i) Log("release", IndexOf(monitors[i].handle), 0);
    return TRUE;
}

BOOL WINAPI GetMonitorCapabilities(HANDLE, DWORD* capabilities, DWORD* temperatures) {
    *capabilities = 0x2;  // brightness
    *temperatures = 0;
    return TRUE;
}

BOOL WINAPI GetMonitorBrightness(HANDLE h, DWORD* minimum, DWORD* current, DWORD* maximum) {
    unsigned lo = 0, now = 0, hi = 0;
    if (!Call(h, "get", &lo, &now, &hi, nullptr)) return FALSE;
    *minimum = lo;
    *current = now;
    *maximum = hi;
    return TRUE;
}

BOOL WINAPI SetMonitorBrightness(HANDLE h, DWORD value) {
    const unsigned v = value;
    return Call(h, "set", nullptr, nullptr, nullptr, &v);
}

BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE h, BYTE code, DWORD* type, DWORD* current,
                                            DWORD* maximum) {
    unsigned lo = 0, now = 0, hi = 0;
    if (code != 0x10 || !Call(h, "get-vcp", &lo, &now, &hi, nullptr)) return FALSE;
    if (type) *type = 0;
    *current = now;
    *maximum = hi;
    return TRUE;
}

BOOL WINAPI SetVCPFeature(HANDLE h, BYTE code, DWORD value) {
    const unsigned v = value;
    return code == 0x10 && Call(h, "set-vcp", nullptr, nullptr, nullptr, &v);
}

}  // extern "C"
