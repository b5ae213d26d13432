// Reading the program's windows, the z-order and the tray; nudging the overlay.
#include "tools/probe/probe.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>

namespace probe {
namespace {

struct Found {
    HWND list[64];
    int n = 0;
};

BOOL CALLBACK Collect(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<Found*>(lp);
    wchar_t cls[64];
    GetClassNameW(h, cls, 64);
    if (std::wcscmp(cls, dv::names::kFormClass) == 0 && f->n < 64) f->list[f->n++] = h;
    return TRUE;
}

// The visible window of the program with the given client width, if any.
struct ByWidth {
    int width;
    HWND found;
};

BOOL CALLBACK FindByWidth(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<ByWidth*>(lp);
    wchar_t cls[64];
    GetClassNameW(h, cls, 64);
    RECT r;
    GetClientRect(h, &r);
    if (!std::wcscmp(cls, dv::names::kFormClass) && IsWindowVisible(h) && r.right == f->width) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

// Counts the icons in the notification area that belong to the overlay.
BOOL CALLBACK CountTrayChildren(HWND h, LPARAM lp) {
    if (!IsWindowVisible(h)) return TRUE;
    ++*reinterpret_cast<int*>(lp);
    RECT r;
    GetWindowRect(h, &r);
    std::printf("icon %ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return TRUE;
}

BOOL CALLBACK PrintZ(HWND h, LPARAM) {
    if (!IsWindowVisible(h)) return TRUE;
    wchar_t title[64], cls[64];
    GetWindowTextW(h, title, 64);
    GetClassNameW(h, cls, 64);
    RECT r{};
    GetWindowRect(h, &r);
    std::printf("z %ls|%ls topmost=%d rect=%ld,%ld,%ld,%ld\n", cls, title,
                (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0, r.left, r.top, r.right,
                r.bottom);
    return TRUE;
}

}  // namespace

namespace {

struct OfProcess {
    DWORD pid;
    int childId;
    HWND found;
};

BOOL CALLBACK FindOfProcess(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<OfProcess*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == f->pid && IsWindowVisible(h) && (f->childId == 0 || GetDlgItem(h, f->childId))) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FirstVisibleOf(DWORD pid, int childId) {
    OfProcess f{pid, childId, nullptr};
    EnumWindows(FindOfProcess, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

HWND Overlay() { return FindWindowW(dv::names::kFormClass, dv::names::kOverlayCaptionW); }

HWND VisibleForm(int clientWidth) {
    ByWidth f{clientWidth, nullptr};
    EnumWindows(FindByWidth, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

bool WaitFor(int clientWidth, bool shown) {
    for (int i = 0; i < 3000; ++i) {
        if ((VisibleForm(clientWidth) != nullptr) == shown) return true;
        Sleep(1);
    }
    return false;
}

void ClickAt(HWND h, int x, int y) {
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool CloseSettings() {
    HWND s = VisibleForm(kSetWidth);
    if (!s) return false;
    ClickAt(s, 446, 19);  // the "×"
    return WaitFor(kSetWidth, false);
}

// Every window of the program, top of the z-order first.
void Windows() {
    Found f;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&f));
    std::printf("count %d\n", f.n);
    for (int i = 0; i < f.n; ++i) {
        HWND h = f.list[i];
        wchar_t title[64];
        GetWindowTextW(h, title, 64);
        RECT r, c;
        GetWindowRect(h, &r);
        GetClientRect(h, &c);
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
        const bool layered =
            (ex & WS_EX_LAYERED) && GetLayeredWindowAttributes(h, &key, &alpha, &flags);
        std::printf(
            "window %d title=%ls visible=%d zoomed=%d style=0x%08lx exstyle=0x%08lx "
            "rect=%ld,%ld,%ld,%ld "
            "client=%ld,%ld origin=%ld,%ld alpha=%d lwa=%lu owner=%d enabled=%d\n",
            i, title[0] ? title : L"-", IsWindowVisible(h) ? 1 : 0, IsZoomed(h) ? 1 : 0,
            static_cast<unsigned long>(GetWindowLongW(h, GWL_STYLE)),
            static_cast<unsigned long>(ex), r.left, r.top, r.right, r.bottom, c.right, c.bottom,
            origin.x, origin.y, layered ? alpha : -1, static_cast<unsigned long>(flags),
            GetWindow(h, GW_OWNER) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0);
    }
}

void ZOrder() { EnumWindows(PrintZ, 0); }

void Foreground() {
    HWND h = GetForegroundWindow();
    wchar_t cls[64] = L"-", title[64] = L"-";
    if (h) {
        GetClassNameW(h, cls, 64);
        if (!GetWindowTextW(h, title, 64)) title[0] = L'-', title[1] = 0;
    }
    // Wine keeps the X window behind each window as a property of it.
    const auto x = reinterpret_cast<unsigned long long>(
        h ? GetPropW(h, L"__wine_x11_whole_window") : nullptr);
    std::printf("foreground %ls|%ls x=%llu\n", cls, title, x);
}

namespace {
BOOL CALLBACK PrintMonitor(HMONITOR m, HDC, LPRECT, LPARAM) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(m, &info);
    DISPLAY_DEVICEW dd{};
    dd.cb = sizeof dd;
    if (!EnumDisplayDevicesW(info.szDevice, 0, &dd, EDD_GET_DEVICE_INTERFACE_NAME))
        dd.DeviceID[0] = L'\0';
    const RECT& r = info.rcMonitor;
    std::printf("monitor rect=%ld,%ld,%ld,%ld primary=%d device=%ls path=%ls\n", r.left, r.top,
                r.right, r.bottom, (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0, info.szDevice,
                dd.DeviceID);
    return TRUE;
}
}  // namespace

void Monitors() { EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0); }

// Wine shows the icons in a tray window of its own when the desktop has none.
HWND TrayWindow() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    return tray ? tray : FindWindowW(L"Shell_TrayWnd", nullptr);
}

// A taskbar stays above ordinary windows; Wine's own tray window does not, so
// a window of the tests' that is activated would cover the icon.
void TrayOnTop() {
    SetWindowPos(TrayWindow(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Tray() {
    HWND tray = TrayWindow();
    int n = 0;
    if (tray) EnumChildWindows(tray, CountTrayChildren, reinterpret_cast<LPARAM>(&n));
    RECT r{0, 0, 0, 0};
    if (tray) GetWindowRect(tray, &r);
    std::printf("tray %d icons=%d rect=%ld,%ld,%ld,%ld visible=%d\n", tray ? 1 : 0, n, r.left,
                r.top, r.right, r.bottom, tray && IsWindowVisible(tray) ? 1 : 0);
}

// Takes the program's icon out of the notification area, as a shell that
// dies does, then tells every window that the shell has started again.
void TrayDrop() {
    HWND o = Overlay();
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = o;
    nid.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(
        reinterpret_cast<HICON>(SendMessageW(o, WM_GETICON, ICON_SMALL, 0))));
    std::printf("dropped %d\n", Shell_NotifyIconW(NIM_DELETE, &nid) ? 1 : 0);
}

void TaskbarCreated() {
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

// Squeezes the overlay, then reports a display change to it.
void DisplayChange() {
    HWND o = Overlay();
    SetWindowPos(o, nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(o, WM_DISPLAYCHANGE, 32,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

// A top-most window raised over everything, to see the overlay come back on top.
int Raise() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DuskveilE2ERaise";
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"raise", WS_POPUP | WS_VISIBLE, 10,
                             10, 50, 50, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND first = GetTopWindow(nullptr);
    wchar_t t[64];
    GetWindowTextW(first, t, 64);
    std::printf("first-after-raise %ls\n", t);
    Sleep(100);
    // Walk to the first visible window.
    HWND top = GetTopWindow(nullptr);
    while (top && !IsWindowVisible(top)) top = GetWindow(top, GW_HWNDNEXT);
    GetWindowTextW(top, t, 64);
    std::printf("first-after-100ms %ls\n", t);
    DestroyWindow(h);
    return 0;
}

int ButtonText() {
    HWND button = FindWindowExW(VisibleForm(kSetWidth), nullptr, L"Button", nullptr);
    if (!button) return 1;
    wchar_t text[128];
    const int n = GetWindowTextW(button, text, 128);
    char utf8[512];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, n, utf8, sizeof utf8, nullptr, nullptr);
    std::fwrite(utf8, 1, static_cast<size_t>(bytes), stdout);
    std::printf("\n");
    return 0;
}

// Sends the overlay a notification of its icon, as the shell does.
void TrayNotify(unsigned message) { PostMessageW(Overlay(), WM_MOUSEMOVE, 0, message); }

namespace {

// The open popup menu's window, waited for up to 3 s.
HWND OpenMenu() {
    for (int i = 0; i < 300; ++i) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) return menu;
        Sleep(10);
    }
    return nullptr;
}

}  // namespace

// Picks the n-th command of the open popup menu, or the m-th of the
// submenu there, as the keyboard would. (Wine lets no other process read a
// menu's items, so the keyboard is the way in.)
// The n-th item from the top, or with n negative from the bottom; then, with
// m, the m-th of its submenu.
int MenuPick(int n, int m) {
    HWND menu = OpenMenu();
    if (!menu) return 1;
    for (int i = 0; i < n; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    for (int i = 0; i > n; --i) PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    if (n != 0 && m > 0) {
        // Right opens the submenu at its first item.
        PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
        for (int i = 1; i < m; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(menu, WM_KEYDOWN, n != 0 ? VK_RETURN : VK_ESCAPE, 0);
    return 0;
}
}  // namespace probe
