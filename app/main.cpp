// The program's entry: load DLLs from the system directory only, then start
// the splash window (or carry out the command line) and run the message loop.
#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "startup/program.h"

namespace {

void RestrictDllSearch() {
    using SetDirs = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    auto set = reinterpret_cast<SetDirs>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictDllSearch();
    dv::win32::Win32Platform platform(instance);
    if (!platform.CanHostWindows()) return 1;  // no window could be shown: end cleanly
    dv::Program program(platform);
    std::size_t length = 0;
    const std::vector<std::string> args = platform.Arguments(length);
    if (const auto ended = program.Start(args, length)) return *ended;
    return platform.Run();
}
