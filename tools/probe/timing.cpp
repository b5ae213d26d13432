// Timings for the benchmark: start-up and keep-on-top.
#include "tools/probe/probe.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace probe {
namespace {

HWND FirstVisible() {
    HWND top = GetTopWindow(nullptr);
    while (top && !IsWindowVisible(top)) top = GetWindow(top, GW_HWNDNEXT);
    return top;
}

}  // namespace

double NowMs() {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// Starts the exe and times, from the process start, the splash and the
// overlay becoming visible.
int Launch(const wchar_t* exe) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    // The program gets no handle of ours, so a pipe reading our output ends
    // when we do.
    si.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION pi{};
    const double t0 = NowMs();
    if (!CreateProcessW(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 1;
    double first = -1, splash = -1, overlay = -1;
    const bool duskveil = std::wcsstr(exe, L"Duskveil") != nullptr;
    while (NowMs() - t0 < 15000 && (duskveil ? overlay < 0 : first < 0)) {
        if (first < 0 && FirstVisibleOf(pi.dwProcessId)) first = NowMs() - t0;
        if (splash < 0 && VisibleForm(kSplashWidth)) splash = NowMs() - t0;
        HWND o = Overlay();
        if (o && IsWindowVisible(o)) overlay = NowMs() - t0;
        Sleep(1);
    }
    std::printf("launch first_ms=%.1f splash_ms=%.1f overlay_ms=%.1f\n", first, splash, overlay);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}

// Raises a top-most window over the overlay `rounds` times and times how long
// until the overlay is first in the z-order again.
int OnTop(int rounds) {
    HWND o = Overlay();
    if (!o) return 1;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DuskveilE2ERaise";
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName,
                             L"raise", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr, wc.hInstance,
                             nullptr);
    ShowWindow(h, SW_SHOWNA);
    for (int i = 0; i < rounds; ++i) {
        SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const double t0 = NowMs();
        double back = -1;
        while (NowMs() - t0 < 1000) {
            if (FirstVisible() == o) {
                back = NowMs() - t0;
                break;
            }
            MSG m;
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        }
        std::printf("ontop %.2f\n", back);
        Sleep(7 + i % 13);  // land at different points of the overlay's timer
    }
    DestroyWindow(h);
    return 0;
}

// Brings a window of another program (`other`'s class) and the window below
// (a listed program) in front in turn, `rounds` times, and times how long
// until the overlay is hidden once the window below is in front.
int Aside(const wchar_t* other, int rounds) {
    HWND o = Overlay(), below = FindWindowW(L"DuskveilE2EBelow", nullptr);
    HWND away = FindWindowW(other, nullptr);
    if (!o || !below || !away) return 1;
    const auto wait = [o](bool visible) {
        const double t0 = NowMs();
        while (NowMs() - t0 < 2000) {
            if ((IsWindowVisible(o) != FALSE) == visible) return NowMs() - t0;
            Sleep(1);
        }
        return -1.0;
    };
    for (int i = 0; i < rounds; ++i) {
        SetForegroundWindow(away);
        if (wait(true) < 0) continue;
        Sleep(7 + i % 13);  // land at different points of the program's poll
        SetForegroundWindow(below);
        std::printf("aside %.2f\n", wait(false));
    }
    return 0;
}

}  // namespace probe

namespace probe {

// Hands the overlay a request as another copy would: the mark (as written,
// 0x for hexadecimal) and the arguments, each ending in a NUL.
int Request(const wchar_t* mark, int argc, wchar_t** argv) {
    std::string bytes;
    for (int i = 0; i < argc; ++i) {
        char utf8[1024];
        const int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, utf8, sizeof utf8, nullptr, nullptr);
        if (n > 0) bytes.append(utf8, static_cast<std::size_t>(n));  // the NUL too
    }
    COPYDATASTRUCT data{std::wcstoul(mark, nullptr, 0), static_cast<DWORD>(bytes.size()),
                        bytes.data()};
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(Overlay(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 5000, &answer)) {
        std::printf("answer none\n");
        return 1;
    }
    std::printf("answer %d\n", static_cast<int>(answer));
    return 0;
}

namespace {

// Starts a process that runs `exe /brightness P`; false when it could not.
bool StartBrightness(const wchar_t* exe, int percent, PROCESS_INFORMATION& pi) {
    wchar_t line[MAX_PATH + 32];
    std::swprintf(line, sizeof line / sizeof *line, L"\"%ls\" /brightness %d", exe, percent);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    pi = {};
    return CreateProcessW(exe, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
}

}  // namespace

// From the start of a process that runs `exe /brightness P` to the running
// copy's overlay at that brightness's alpha, P going between 30 and 70.
int CommandLatency(const wchar_t* exe, int rounds) {
    HWND o = Overlay();
    if (!o) return 1;
    for (int i = 0; i < rounds; ++i) {
        const int percent = i % 2 ? 70 : 30;
        const BYTE want = static_cast<BYTE>((25550 - percent * 255) / 100);  // 255 - P x 2.55, rounded
        PROCESS_INFORMATION pi;
        const double t0 = NowMs();
        if (!StartBrightness(exe, percent, pi)) return 1;
        double took = -1;
        while (NowMs() - t0 < 5000) {
            BYTE alpha = 0;
            if (GetLayeredWindowAttributes(o, nullptr, &alpha, nullptr) && alpha == want) {
                took = NowMs() - t0;
                break;
            }
            Sleep(1);
        }
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::printf("command %.2f\n", took);
    }
    return 0;
}

// A hot key's message to the overlay, darker and brighter by turns, until
// its alpha changed, "NAME MS" a round (-1: never, in 5 s), and until the
// program was done with it (the level's label shown too), "NAME_done MS".
int HotKeyLatency(int rounds, const wchar_t* name) {
    HWND o = Overlay();
    if (!o) return 1;
    for (int i = 0; i < rounds; ++i) {
        BYTE before = 0, alpha = 0;
        GetLayeredWindowAttributes(o, nullptr, &before, nullptr);
        const double t0 = NowMs();
        PostMessageW(o, WM_HOTKEY, i % 2 ? 2 : 1, MAKELPARAM(MOD_ALT, i % 2 ? VK_PRIOR : VK_NEXT));
        double took = -1;
        while (NowMs() - t0 < 5000) {
            if (GetLayeredWindowAttributes(o, nullptr, &alpha, nullptr) && alpha != before) {
                took = NowMs() - t0;
                break;
            }
            Sleep(1);
        }
        std::printf("%ls %.2f\n", name, took);
        SendMessageTimeoutW(o, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        std::printf("%ls_done %.2f\n", name, took < 0 ? -1.0 : NowMs() - t0);
        Sleep(100);
    }
    return 0;
}

// With no copy running: from the start of a process that runs
// `exe /brightness P` to its end, which comes before the copy it starts has
// counted down. That copy is then ended as soon as its window is there.
int CommandAlone(const wchar_t* exe, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        PROCESS_INFORMATION pi;
        const double t0 = NowMs();
        if (!StartBrightness(exe, i % 2 ? 70 : 30, pi)) return 1;
        const bool ended = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
        const double took = NowMs() - t0;
        const bool early = !Overlay();  // the started copy still counts down
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::printf("alone %.2f\n", ended && early ? took : -1.0);
        // The copy it started: its first window, then its process, gone.
        HWND copy = nullptr;
        for (int t = 0; t < 10000 && !copy; t += 10, Sleep(10))
            copy = FindWindowW(dv::names::kFormClass, nullptr);
        DWORD pid = 0;
        if (copy) GetWindowThreadProcessId(copy, &pid);
        if (HANDLE p = pid ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid) : nullptr) {
            TerminateProcess(p, 0);
            WaitForSingleObject(p, 10000);
            CloseHandle(p);
        }
    }
    return 0;
}

}  // namespace probe
