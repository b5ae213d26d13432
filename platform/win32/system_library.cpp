#include "platform/win32/system_library.h"

#include <string>

namespace dv::win32 {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE m = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return m;
    // A system without the search flags (Vista, and 7 without its 2011 loader
    // update) refuses them: a full path leaves nothing to search, and the
    // DLL's own imports are looked for beside it first.
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, n) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace dv::win32
