// The system's own DLLs, loaded by the program at run time.
#pragma once

#include <windows.h>

namespace dv::win32 {

// Loads `name` ("oleacc.dll") from the system folder alone, never from the
// exe's folder or the current one, where anyone could have put a DLL of
// that name; null when it cannot be loaded from there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A call of a DLL the process has loaded, looked up where older systems lack
// it; null where this one does.
template <typename Fn>
Fn Find(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace dv::win32
