// Reading the settings window as a screen reader does, from another process.
#include <oleacc.h>

#include <cstdio>

#include "tools/probe/probe.h"

namespace probe {
namespace {

// Written out: linked statically, the import library's IID can resolve to a
// thunk rather than to the GUID.
const GUID kIidAccessible{0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

void PrintUtf8(const wchar_t* text) {
    if (!text) return;
    char utf8[512];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    if (n > 1) std::fwrite(utf8, 1, static_cast<size_t>(n - 1), stdout);
}

IAccessible* SettingsClient() {
    HWND w = VisibleForm(kSetWidth);
    if (!w) return nullptr;
    CoInitialize(nullptr);
    IAccessible* acc = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                          reinterpret_cast<void**>(&acc))))
        return nullptr;
    return acc;
}

}  // namespace

int AccessibleDump() {
    IAccessible* acc = SettingsClient();
    if (!acc) {
        std::printf("no accessible object\n");
        return 1;
    }
    long n = 0;
    acc->get_accChildCount(&n);
    std::printf("children %ld\n", n);
    for (long i = 1; i <= n; ++i) {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = i;
        BSTR name = nullptr, value = nullptr;
        VARIANT role, state;
        VariantInit(&role);
        VariantInit(&state);
        long x = 0, y = 0, w = 0, h = 0;
        acc->get_accName(child, &name);
        acc->get_accValue(child, &value);
        acc->get_accRole(child, &role);
        acc->get_accState(child, &state);
        acc->accLocation(&x, &y, &w, &h, child);
        std::printf("part %ld role=0x%lx state=0x%lx rect=%ld,%ld,%ld,%ld name=", i,
                    role.vt == VT_I4 ? role.lVal : -1L, state.vt == VT_I4 ? state.lVal : -1L, x, y,
                    w, h);
        PrintUtf8(name);
        std::printf(" value=");
        PrintUtf8(value);
        std::printf("\n");
        SysFreeString(name);
        SysFreeString(value);
    }
    acc->Release();
    return 0;
}

int AccessiblePress(int n) {
    IAccessible* acc = SettingsClient();
    if (!acc) return 1;
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = n;
    const HRESULT hr = acc->accDoDefaultAction(child);
    acc->Release();
    return SUCCEEDED(hr) ? 0 : 1;
}

}  // namespace probe
