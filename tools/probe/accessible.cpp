// Reading the settings window as a screen reader does, from another process.
#include <oleacc.h>

#include <cstdio>
#include <initializer_list>

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

// What the reader's object answers where it must refuse: "NAME 0xHRESULT"
// a line, and "NAME 0xHRESULT N" where a child id comes back. Last, the
// same object asked again once the window has closed.
int AccessibleContract() {
    const HWND w = VisibleForm(kSetWidth);
    IAccessible* acc = SettingsClient();
    if (!acc) {
        std::printf("no accessible object\n");
        return 1;
    }
    const auto id = [](long n) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = n;
        return v;
    };
    const auto say = [](const char* what, HRESULT hr, const VARIANT* got = nullptr) {
        std::printf("%s 0x%08lx", what, static_cast<unsigned long>(hr));
        if (got && got->vt == VT_I4) std::printf(" %ld", got->lVal);
        std::printf("\n");
    };
    long n = 0;
    acc->get_accChildCount(&n);
    const VARIANT self = id(CHILDID_SELF), beyond = id(n + 1), below = id(-1);
    BSTR text = nullptr;
    VARIANT out;
    VariantInit(&out);
    long x = 0, y = 0, cx = 0, cy = 0;
    IDispatch* child = nullptr;
    for (const VARIANT& bad : {beyond, below}) {
        const char* which = bad.lVal < 0 ? "below" : "beyond";
        std::printf("-- %s\n", which);
        say("name", acc->get_accName(bad, &text));
        say("value", acc->get_accValue(bad, &text));
        say("description", acc->get_accDescription(bad, &text));
        say("role", acc->get_accRole(bad, &out));
        say("state", acc->get_accState(bad, &out));
        say("help", acc->get_accHelp(bad, &text));
        say("shortcut", acc->get_accKeyboardShortcut(bad, &text));
        say("action", acc->get_accDefaultAction(bad, &text));
        say("location", acc->accLocation(&x, &y, &cx, &cy, bad));
        say("child", acc->get_accChild(bad, &child));
        say("select", acc->accSelect(SELFLAG_TAKEFOCUS, bad));
        say("press", acc->accDoDefaultAction(bad));
        say("navigate", acc->accNavigate(NAVDIR_NEXT, bad, &out));
    }
    std::printf("-- rest\n");
    say("null-count", acc->get_accChildCount(nullptr));
    say("null-name", acc->get_accName(id(1), nullptr));
    say("null-role", acc->get_accRole(id(1), nullptr));
    say("press-self", acc->accDoDefaultAction(self));
    say("select-self", acc->accSelect(SELFLAG_TAKEFOCUS, self));
    say("press-slider", acc->accDoDefaultAction(id(1)));
    say("select-text", acc->accSelect(SELFLAG_TAKEFOCUS, id(n)));
    say("select-clash", acc->accSelect(SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION, id(2)));
    say("select-swatch", acc->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, id(2)));
    // The parent, and the window it stands for.
    IDispatch* parent = nullptr;
    const HRESULT hr = acc->get_accParent(&parent);
    IAccessible* up = nullptr;
    if (parent) parent->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&up));
    HWND of = nullptr;
    if (up) WindowFromAccessibleObject(up, &of);
    VARIANT same;
    VariantInit(&same);
    same.vt = VT_I4;
    same.lVal = of == w ? 1 : 0;
    say("parent-is-the-window", hr, &same);
    if (up) up->Release();
    if (parent) parent->Release();
    say("first", acc->accNavigate(NAVDIR_FIRSTCHILD, self, &out), &out);
    say("last", acc->accNavigate(NAVDIR_LASTCHILD, self, &out), &out);
    say("next-of-1", acc->accNavigate(NAVDIR_NEXT, id(1), &out), &out);
    say("previous-of-2", acc->accNavigate(NAVDIR_PREVIOUS, id(2), &out), &out);
    VariantInit(&out);
    say("previous-of-1", acc->accNavigate(NAVDIR_PREVIOUS, id(1), &out), &out);
    VariantInit(&out);
    say("next-of-last", acc->accNavigate(NAVDIR_NEXT, id(n), &out), &out);
    PostMessageW(w, WM_CLOSE, 0, 0);
    for (int i = 0; i < 100 && IsWindow(w); ++i) Sleep(50);
    say("name-after-close", acc->get_accName(id(1), &text));
    acc->Release();
    return 0;
}

}  // namespace probe
