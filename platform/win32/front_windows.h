// The window in front, for stepping aside for it: what it is, which program
// it belongs to, and the system's events when it changes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace dv::win32 {

class FrontWindows {
   public:
    PixelRect GetWindowRect(Handle hWnd);
    bool HasTitleBar(Handle hWnd);
    bool IsMaximizedWithFrame(Handle hWnd);
    Handle FindChild(Handle hWnd, std::string_view className);
    bool IsShellWindow(Handle hWnd);
    std::string ProgramOf(Handle hWnd);
    int UserNotificationState();
    bool SameFileName(std::string_view a, std::string_view b);
    void WatchFront(Form& form, bool on);

   private:
    // The system's events of the window in front: which it is (for all of
    // the desktop), and where it stands (for its process alone).
    static void CALLBACK FrontEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child,
                                    DWORD, DWORD);
    void HookFrontProcess();

    Form* frontWatcher_ = nullptr;
    WinEventHook foregroundHook_;
    WinEventHook locationHook_;
};

}  // namespace dv::win32
