// The program's hot-key dialog, as an outside program reads and fills it,
// and a hot key held by another program.
#include "tools/probe/probe.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

namespace probe {
namespace {

// The open dialog of the program whose overlay runs; null when none is.
HWND HotKeyDialog() {
    DWORD pid = 0;
    if (HWND o = Overlay()) GetWindowThreadProcessId(o, &pid);
    return pid ? FirstVisibleOf(pid, dv::names::kHotKeyNote) : nullptr;
}

}  // namespace

// "hot-keys rows=W,W,W note=TEXT": the rows' words in hex and the line.
int HotKeysDump() {
    HWND d = HotKeyDialog();
    if (!d) {
        std::puts("hot-keys none");
        return 1;
    }
    std::printf("hot-keys rows=");
    for (int row = 0; row < 3; ++row)
        std::printf("%s%04X", row ? "," : "",
                    static_cast<unsigned>(SendDlgItemMessageW(
                        d, dv::names::kHotKeyFirstRow + row, HKM_GETHOTKEY, 0, 0)));
    wchar_t note[512] = L"";
    GetDlgItemTextW(d, dv::names::kHotKeyNote, note, 512);
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, note, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf(" note=%s\n", utf8);
    return 0;
}

// Puts the words in the rows, as keys pressed there would, then presses OK.
int HotKeysTake(int count, wchar_t** words) {
    HWND d = HotKeyDialog();
    if (!d) return 1;
    for (int row = 0; row < count && row < 3; ++row)
        SendDlgItemMessageW(d, dv::names::kHotKeyFirstRow + row, HKM_SETHOTKEY,
                            std::wcstoul(words[row], nullptr, 16), 0);
    PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
    return 0;
}

int HotKeysCancel() {
    HWND d = HotKeyDialog();
    if (!d) return 1;
    PostMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, IDCANCEL)));
    return 0;
}

// Holds a combination as another program would, until killed.
int HoldHotKey(unsigned modifiers, unsigned vk) {
    if (!RegisterHotKey(nullptr, 1, modifiers, vk)) {
        std::puts("hold refused");
        return 1;
    }
    std::puts("hold taken");
    std::fflush(stdout);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    return 0;
}

}  // namespace probe
