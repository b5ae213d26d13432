// What the system tells a form's window: painting, the mouse, timers, its
// buttons, the keyboard, screen readers, other copies, the shell and the
// session, each handed to the form.
#include <windowsx.h>

#include "platform/win32/accessible.h"
#include "platform/win32/bench_marks.h"
#include "platform/win32/window.h"

namespace dv::win32 {

UINT TaskbarCreated() {
    static const UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
    return msg;
}

void Win32Peer::MouseEvent(UINT msg, WPARAM wp, LPARAM lp) {
    int buttons = 0, shift = 0;
    if (wp & MK_LBUTTON) buttons |= kLeftButton;
    if (wp & MK_RBUTTON) buttons |= kRightButton;
    if (wp & MK_MBUTTON) buttons |= kMiddleButton;
    if (wp & MK_SHIFT) shift |= 1;
    if (wp & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    const PixelPoint p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
        case WM_MOUSEMOVE:
            BenchMark("move");
            form_.DispatchMouseMove(buttons, shift, p);
            return;
        case WM_LBUTTONDOWN:
            return Press(kLeftButton, shift, p);
        case WM_RBUTTONDOWN:
            return Press(kRightButton, shift, p);
        case WM_MBUTTONDOWN:
            return Press(kMiddleButton, shift, p);
        case WM_LBUTTONUP:
            return Release(kLeftButton, shift, p, wp);
        case WM_RBUTTONUP:
            return Release(kRightButton, shift, p, wp);
        case WM_MBUTTONUP:
            return Release(kMiddleButton, shift, p, wp);
        default:
            return;
    }
}

void Win32Peer::Press(int button, int shift, PixelPoint p) {
    SetCapture(hwnd_);
    form_.DispatchMouseDown(button, shift, p);
}

void Win32Peer::Release(int button, int shift, PixelPoint p, WPARAM wp) {
    if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
    form_.DispatchMouseUp(button, shift, p);
}

LRESULT Win32Peer::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            Paint(dc, ps.rcPaint);
            EndPaint(hwnd, &ps);
            if (form_.Design().frame == Frame::None) BenchMark("overlay-painted");
            return 0;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseEvent(msg, wp, lp);
            return 0;
        case WM_TIMER:
            form_.DispatchTimer(static_cast<int>(wp - kTimerBase));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) {
                for (const auto& [child, button] : buttons_) {
                    if (child == reinterpret_cast<HWND>(lp)) {
                        form_.DispatchButtonClick(*button);
                        return 0;
                    }
                }
            }
            break;
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && !buttons_.empty()) {
                SetFocus(FocusTarget());
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The focus rectangle shows only while the window has the keyboard.
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_KEYDOWN: {
            const int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                              (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                              (GetKeyState(VK_MENU) < 0 ? 4 : 0);
            form_.DispatchKeyDown(static_cast<int>(wp), shift);
            return 0;
        }
        case WM_GETMINMAXINFO:
            if (form_.Design().startUp == StartUp::Maximized) {
                auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
                mm->ptMaxPosition = {0, 0};
                mm->ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
                mm->ptMaxTrackSize = mm->ptMaxSize;
                return 0;
            }
            break;
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            // Monitors came, went, moved or were rescaled.
            if (form_.Design().startUp == StartUp::Maximized) CoverScreen();
            form_.DispatchDisplayChanged();
            break;
        case WM_MOVE:
            form_.DispatchMoved();
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            form_.DispatchSchemeChanged();
            break;
        case WM_GETOBJECT:
            // Screen readers ask for the client area; the rest is the system's.
            if (static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT &&
                !form_.AccessibleParts().empty()) {
                if (const LRESULT object = AccessibleClient(hwnd, wp)) return object;
            }
            break;
        case kPressPart:
            form_.AccessiblePress(static_cast<int>(wp));
            return 0;
        case kFocusPart:
            form_.AccessibleFocus(static_cast<int>(wp));
            return 0;
        case WM_HOTKEY:
            form_.DispatchHotKey(static_cast<int>(wp));
            return 0;
        case WM_TIMECHANGE:
            form_.DispatchTimeChanged();
            return 0;
        case WM_COPYDATA: {
            // Only the window that hears other copies takes their requests.
            // The system copied the bytes for this process; only their length
            // is to be trusted, not what they say.
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
            if (!form_.Design().hearsOtherCopies || !data || data->dwData > 0xFFFFFFFFu ||
                (data->cbData > 0 && !data->lpData))
                return FALSE;
            const std::string_view bytes(static_cast<const char*>(data->lpData), data->cbData);
            return platform_.CarryRequest(static_cast<std::uint32_t>(data->dwData), bytes);
        }
        case WM_POWERBROADCAST:
            // Awake again: the clock has moved on while the system slept.
            if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND)
                form_.DispatchTimeChanged();
            return TRUE;
        case WM_CLOSE:
            form_.RequestUnload();
            return 0;
        case WM_DESTROY:
            // The program unbinds a window before it destroys it, so this one
            // goes behind its back (with its owner, say): it is unloaded now,
            // and nothing is left for the peer to destroy.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            form_.NativeWindowGone();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wp) form_.RequestUnload();
            return 0;
        default:
            // Sent to every top-level window: heard once.
            if (msg == TaskbarCreated()) {
                if (form_.Design().hearsOtherCopies) platform_.ShellRestarted();
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace dv::win32
