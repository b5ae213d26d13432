// The message loop: the main one, the modal windows' nested ones, pending
// events, and the end of the program.
#include "platform/win32/message_loop.h"

#include "platform/win32/window_class.h"

namespace dv::win32 {

int MessageLoop::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return 0;
}

void MessageLoop::Dispatch(const MSG& msg) {
    // Enter presses the focused button of a form, as it would in a dialog
    // (Space the button handles itself); Tab and Esc are the form's.
    if (msg.message == WM_KEYDOWN && msg.hwnd &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_TAB || msg.wParam == VK_ESCAPE)) {
        // GetParent names an owner too: only a child window is a button.
        const bool child = (GetWindowLongW(msg.hwnd, GWL_STYLE) & WS_CHILD) != 0;
        const HWND form = child ? GetParent(msg.hwnd) : nullptr;
        wchar_t cls[16];
        if (form && GetClassNameW(form, cls, 16) && lstrcmpW(cls, kFormClassName) == 0) {
            if (msg.wParam == VK_RETURN)
                SendMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(msg.hwnd), BN_CLICKED),
                             reinterpret_cast<LPARAM>(msg.hwnd));
            else
                SendMessageW(form, WM_KEYDOWN, msg.wParam, msg.lParam);
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void MessageLoop::RunModal(Form& form, Form* owner) {
    HWND ownerWnd = owner ? H(owner->NativeHandle()) : nullptr;
    if (ownerWnd) EnableWindow(ownerWnd, FALSE);
    MSG msg;
    while (form.IsShown()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
            break;
        }
        if (got == -1) break;  // nothing was fetched, and nothing will be
        Dispatch(msg);
    }
    if (owner && owner->IsLoaded()) EnableWindow(H(owner->NativeHandle()), TRUE);
}

void MessageLoop::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void MessageLoop::End() { ExitProcess(0); }

}  // namespace dv::win32
