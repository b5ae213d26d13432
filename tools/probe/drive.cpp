// Driving the program from outside: the Color dialog, a window below the
// overlay that counts clicks, and the long-run soak.
#include "tools/probe/probe.h"

#include <psapi.h>

#include <cstdio>
#include <cwchar>

namespace probe {
namespace {

// The Color dialog, as an outside program answers it.
HWND FindColourDialog() {
    for (int i = 0; i < 50; ++i) {
        HWND d = FindWindowW(L"#32770", nullptr);
        if (d && GetDlgItem(d, 706)) return d;
        Sleep(100);
    }
    return nullptr;
}

// The program's process, found by its overlay or by name.
HANDLE ProgramProcess() {
    DWORD pid = 0;
    if (HWND o = Overlay()) GetWindowThreadProcessId(o, &pid);
    return pid ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid) : nullptr;
}

const wchar_t* g_log = nullptr;
COLORREF g_colour = RGB(200, 200, 200);

// For the README's pictures: a bright page of text and colour swatches.
bool g_page = false;

void DrawPage(HDC dc, const RECT& r) {
    HFONT title = CreateFontW(-34, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                              L"WenQuanYi Zen Hei");
    HFONT body = CreateFontW(-18, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             L"WenQuanYi Zen Hei");
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(30, 30, 30));
    HGDIOBJ old = SelectObject(dc, title);
    TextOutW(dc, 80, 60, L"An evening page", 15);
    SelectObject(dc, body);
    const wchar_t* lines[] = {
        L"White pages glare at night. Under the veil the same page keeps its",
        L"text and colours, only darker and warmer, and every click still lands",
        L"on the program below. 夜间模式下，页面依旧清晰可读。"};
    for (int i = 0; i < 3; ++i)
        TextOutW(dc, 80, 130 + 30 * i, lines[i], static_cast<int>(std::wcslen(lines[i])));
    const COLORREF swatches[] = {RGB(220, 40, 40), RGB(40, 160, 60), RGB(40, 90, 220),
                                 RGB(240, 200, 40)};
    for (int i = 0; i < 4; ++i) {
        RECT s{80 + 150 * i, 260, 200 + 150 * i, 360};
        HBRUSH b = CreateSolidBrush(swatches[i]);
        FillRect(dc, &s, b);
        DeleteObject(b);
    }
    SelectObject(dc, old);
    DeleteObject(title);
    DeleteObject(body);
    (void)r;
}

void Log(const char* format, int a, int b = 0) {
    if (!g_log) return;
    FILE* f = _wfopen(g_log, L"a");
    if (!f) return;
    std::fprintf(f, format, a, b);
    std::fclose(f);
}

LRESULT CALLBACK BelowProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_LBUTTONDOWN) {
        Log("click %d %d\n", static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
        return 0;
    }
    if (m == WM_CHAR) {
        Log("key %c\n", static_cast<int>(w));
        return 0;
    }
    if (m == WM_SYSKEYDOWN && w != VK_MENU) {  // a key with Alt, by its virtual-key code
        Log("alt %d\n", static_cast<int>(w));
        return DefWindowProcW(h, m, w, l);
    }
    if (m == WM_CLOSE) {  // Alt+F4 typed here: noted, and refused
        Log("close\n", 0);
        return 0;
    }
    if (m == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(g_colour);
        FillRect(reinterpret_cast<HDC>(w), &r, b);
        DeleteObject(b);
        if (g_page) DrawPage(reinterpret_cast<HDC>(w), r);
        return 1;
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, m, w, l);
}

// Types a colour into the open dialog's red, green and blue fields.
void SetDialogColour(HWND d, int red, int green, int blue) {
    SendMessageW(d, WM_COMMAND, MAKEWPARAM(719, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, 719)));
    const int ids[3] = {706, 707, 708};
    const int values[3] = {red, green, blue};
    for (int i = 0; i < 3; ++i) {
        HWND e = GetDlgItem(d, ids[i]);
        wchar_t t[8];
        std::swprintf(t, 8, L"%d", values[i]);
        SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t));
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(ids[i], EN_UPDATE), reinterpret_cast<LPARAM>(e));
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(ids[i], EN_CHANGE), reinterpret_cast<LPARAM>(e));
    }
}

}  // namespace

int Choose(int red, int green, int blue) {
    HWND d = FindColourDialog();
    if (!d) {
        std::printf("no dialog\n");
        return 1;
    }
    if (red < 0) {
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        std::printf("cancelled\n");
        return 0;
    }
    SetDialogColour(d, red, green, blue);
    Sleep(200);
    PostMessageW(d, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
    std::printf("chosen\n");
    return 0;
}

int Below(const wchar_t* log, int r, int g, int b, bool page) {
    g_log = log;
    g_page = page;
    g_colour = RGB(r, g, b);
    WNDCLASSW wc{};
    wc.lpfnWndProc = BelowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DuskveilE2EBelow";
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(0, wc.lpszClassName, L"below", WS_POPUP | WS_VISIBLE, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, wc.hInstance, nullptr);
    (void)h;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// The window below as a full-screen program has it (no title bar, its whole
// monitor), or as a window of the usual kind.
int BelowShape(bool full) {
    HWND h = FindWindowW(L"DuskveilE2EBelow", nullptr);
    if (!h) return 1;
    SetWindowLongW(h, GWL_STYLE, (full ? WS_POPUP : WS_OVERLAPPEDWINDOW) | WS_VISIBLE);
    if (full)
        SetWindowPos(h, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                     SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(h, nullptr, 100, 100, 500, 400,
                     SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void Usage(const char* when) {
    HANDLE p = ProgramProcess();
    PROCESS_MEMORY_COUNTERS_EX m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(p, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m);
    // Only what Wine measures: its GDI and USER counts and another
    // process's private bytes always read 0.
    std::printf("usage %s working_set_kb=%lu peak_working_set_kb=%lu\n", when,
        static_cast<unsigned long>(m.WorkingSetSize / 1024),
        static_cast<unsigned long>(m.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
    CloseHandle(p);
}

// Opens and closes the settings window, applies colours and moves the slider
// many times, printing the program's handles and memory before and after.
int Soak(int cycles, int colours, int moves) {
    HWND o = Overlay();
    if (!o) {
        std::printf("no overlay\n");
        return 1;
    }
    int failures = 0;
    Usage("start");
    for (int i = 0; i < cycles; ++i) {  // tray click, then the "×"
        PostMessageW(o, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
        if (!WaitFor(kSetWidth, true) || !CloseSettings()) ++failures;
    }
    Usage("after-tray-cycles");
    for (int i = 0; i < cycles; ++i) {  // F7, then the "×"
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = VK_F7;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &in[0], sizeof(INPUT));
        const bool opened = WaitFor(kSetWidth, true);
        SendInput(1, &in[1], sizeof(INPUT));
        if (!opened || !CloseSettings()) ++failures;
    }
    Usage("after-f7-cycles");
    PostMessageW(o, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
    WaitFor(kSetWidth, true);
    HWND s = VisibleForm(kSetWidth);
    for (int i = 0; i < colours && s; ++i) {  // the swatch, a colour, OK
        PostMessageW(s, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(260, 37));
        PostMessageW(s, WM_LBUTTONUP, 0, MAKELPARAM(260, 37));
        HWND d = nullptr;
        for (int t = 0; t < 3000 && !d; ++t) {
            HWND c = FindWindowW(L"#32770", nullptr);
            if (c && GetDlgItem(c, 706))
                d = c;
            else
                Sleep(1);
        }
        if (!d) {
            ++failures;
            continue;
        }
        SetDialogColour(d, (i * 37) % 256, (i * 91) % 256,
                        (i * 53 + 1) % 256);  // a new one each time
        SendMessageW(d, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
        for (int t = 0; t < 3000 && IsWindow(d); ++t) Sleep(1);
    }
    Usage("after-colours");
    for (int i = 0; i < moves && s; ++i)  // left-button drags along the track
        SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(145 + i % 230, 86));
    Usage("after-slider-moves");
    if (!CloseSettings()) ++failures;
    Usage("end");
    std::printf("soak failures %d\n", failures);
    return failures ? 1 : 0;
}

// Opens the settings window from the tray and posts left-button moves along
// the slider, `gapMs` apart, then closes it.
int Slide(int moves, int gapMs) {
    HWND o = Overlay();
    if (!o) return 1;
    PostMessageW(o, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
    if (!WaitFor(kSetWidth, true)) return 1;
    HWND s = VisibleForm(kSetWidth);
    for (int i = 0; i < moves; ++i) {
        PostMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(145 + (i * 7) % 230, 86));
        Sleep(static_cast<DWORD>(gapMs));
    }
    Sleep(200);
    return CloseSettings() ? 0 : 1;
}

}  // namespace probe
