// The helper's commands; see probe.h.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/probe/probe.h"

namespace {

// Started under another name (planted as a browser, or where a careless
// start would find it): note who was started and with what.
int NoteStart() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    FILE* f = _wfopen(L"C:\\started.log", L"a");
    if (f) {
        std::fprintf(f, "%ls|%ls\n", self, GetCommandLineW());
        std::fclose(f);
    }
    return 0;
}

}  // namespace

using namespace probe;

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) return 2;
    const std::wstring cmd = argv[1];
    if (cmd == L"windows")
        Windows();
    else if (cmd == L"zorder")
        ZOrder();
    else if (cmd == L"monitors")
        Monitors();
    else if (cmd == L"reg-get" && argc > 2)
        RegGet(argv[2]);
    else if (cmd == L"monitor-get" && argc > 3)  // a value of display N's own level
        MonitorGet(_wtoi(argv[2]), argv[3]);
    else if (cmd == L"monitor-set" && argc > 4)
        MonitorSet(_wtoi(argv[2]), argv[3], argv[4]);
    else if (cmd == L"below-shape" && argc > 2)  // full | window
        return BelowShape(std::wstring(argv[2]) == L"full");
    else if (cmd == L"aside" && argc > 3)  // how fast the layers step aside for a listed program
        return Aside(argv[2], _wtoi(argv[3]));
    else if (cmd == L"run-get")  // what starts at log-on under the program's name
        RegGet(dv::names::kRunValue, dv::names::kRunKey);
    else if (cmd == L"reg-set" && argc > 4)
        RegSet(argv[2], argv[3], argv[4]);
    else if (cmd == L"zones")
        Zones();
    else if (cmd == L"reg-clear")
        RegClear();
    else if (cmd == L"approved-set" && argc > 2)
        ApprovedSet(argv[2]);
    else if (cmd == L"approved-get")
        ApprovedGet();
    else if (cmd == L"foreground")
        Foreground();
    else if (cmd == L"tray")
        Tray();
    else if (cmd == L"tray-on-top")
        TrayOnTop();
    else if (cmd == L"choose" && argc > 4)
        return Choose(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]));
    else if (cmd == L"cancel")
        return Choose(-1, 0, 0);
    else if (cmd == L"below" && argc > 5)
        return Below(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
    else if (cmd == L"raise")
        return Raise();
    else if (cmd == L"page")
        return Below(L"NUL", 250, 250, 246, true);
    else if (cmd == L"tray-notify" && argc > 2)
        TrayNotify(static_cast<unsigned>(_wtoi(argv[2])));
    else if (cmd == L"idle")  // returns once the program's thread takes messages again
        return SendMessageTimeoutW(Overlay(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr) ? 0 : 1;
    else if (cmd == L"menu-pick" && argc > 2)
        return MenuPick(_wtoi(argv[2]), argc > 3 ? _wtoi(argv[3]) : 0);
    else if (cmd == L"tray-drop")
        TrayDrop();
    else if (cmd == L"taskbar-created")
        TaskbarCreated();
    else if (cmd == L"close-overlay")  // as a task manager's "End task" does
        PostMessageW(Overlay(), WM_CLOSE, 0, 0);
    else if (cmd == L"fit")  // every language's texts in their controls, and their glyphs
        return probe::Fit();
    else if (cmd == L"accessible")  // what a screen reader reads in the settings window
        return AccessibleDump();
    else if (cmd == L"accessible-contract")  // the object's answers where it must refuse
        return AccessibleContract();
    else if (cmd == L"accessible-press" && argc > 2)
        return AccessiblePress(_wtoi(argv[2]));
    else if (cmd == L"button-text")  // the settings window's button, in UTF-8
        return ButtonText();
    else if (cmd == L"close-settings")
        PostMessageW(VisibleForm(kSetWidth), WM_CLOSE, 0, 0);
    else if (cmd == L"display-change")
        DisplayChange();
    else if (cmd == L"reg-deny")
        RegDeny();
    else if (cmd == L"usage")
        Usage("now");
    else if (cmd == L"launch" && argc > 2)
        return Launch(argv[2]);
    else if (cmd == L"request" && argc > 2)  // MARK ARG...: as another copy hands it over
        return Request(argv[2], argc - 3, argv + 3);
    else if (cmd == L"command-latency" && argc > 3)
        return CommandLatency(argv[2], _wtoi(argv[3]));
    else if (cmd == L"command-alone" && argc > 3)
        return CommandAlone(argv[2], _wtoi(argv[3]));
    else if (cmd == L"hot-key-latency" && argc > 3)  // ROUNDS NAME
        return HotKeyLatency(_wtoi(argv[2]), argv[3]);
    else if (cmd == L"hot-keys")
        return HotKeysDump();
    else if (cmd == L"hot-keys-cancel")
        return HotKeysCancel();
    else if (cmd == L"hot-keys-take" && argc > 2)  // W W W, in hex
        return HotKeysTake(argc - 2, argv + 2);
    else if (cmd == L"hold-hot-key" && argc > 3)  // MODIFIERS VK, as RegisterHotKey takes them
        return HoldHotKey(static_cast<unsigned>(_wtoi(argv[2])), static_cast<unsigned>(_wtoi(argv[3])));
    else if (cmd == L"ontop" && argc > 2)
        return OnTop(_wtoi(argv[2]));
    else if (cmd == L"slide" && argc > 3)
        return Slide(_wtoi(argv[2]), _wtoi(argv[3]));
    else if (cmd == L"soak" && argc > 4)
        return Soak(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]));
    else if (cmd == L"clock") {  // the wall clock as the program reads it
        SYSTEMTIME utc, local;
        GetSystemTime(&utc);
        GetLocalTime(&local);
        std::printf("clock utc=%02d:%02d:%02d local=%02d:%02d:%02d\n", utc.wHour, utc.wMinute,
                    utc.wSecond, local.wHour, local.wMinute, local.wSecond);
    } else if (cmd == L"screen")
        std::printf("screen %d %d dpi %d\n", GetSystemMetrics(SM_CXSCREEN),
                    GetSystemMetrics(SM_CYSCREEN), GetDeviceCaps(GetDC(nullptr), LOGPIXELSX));
    else
        return NoteStart();
    std::fflush(stdout);
    return 0;
}
