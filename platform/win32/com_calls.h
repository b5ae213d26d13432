// The few calls of the COM libraries that screen readers need, looked up
// when a reader first asks: a program nobody reads never loads them.
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace dv::win32 {

// Written out: linked statically, the import libraries' IIDs can resolve to
// thunks rather than to the GUIDs themselves.
constexpr GUID kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidAccessible{
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

inline bool Same(REFIID a, const GUID& b) { return IsEqualGUID(a, b) != 0; }

// What the screen readers' calls need: `ok` once all were found and the
// thread is an apartment.
struct ComCalls {
    using Init = HRESULT(WINAPI*)(void*, DWORD);
    using Lresult = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using Alloc = BSTR(WINAPI*)(const OLECHAR*);
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, void**);
    Lresult lresultFromObject = nullptr;
    Alloc sysAllocString = nullptr;
    FromWindow objectFromWindow = nullptr;
    Create coCreateInstance = nullptr;
    bool ok = false;

    ComCalls();
};

// Looked up once, at the first call.
ComCalls& Com();

}  // namespace dv::win32
