#include "platform/win32/window.h"

#include "platform/win32/accessible.h"

#include <windowsx.h>

#include <cmath>

#include "platform/win32/bench_marks.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

constexpr UINT_PTR kTimerBase = 1;
constexpr int kButtonIdBase = 100;

UINT TaskbarCreated() {
    static const UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
    return msg;
}

struct CreateContext {
    Win32Peer* peer;
};

}  // namespace

// Windows route every message through this one procedure; the peer is bound
// on WM_NCCREATE, before any other message, and let go on WM_NCDESTROY.
LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Win32Peer::Proc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Win32Peer::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<CreateContext*>(cs->lpCreateParams)->peer;
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    // The peer may be destroyed inside the call (the form unloads itself):
    // nothing of it is touched after.
    return self->OnMessage(msg, wp, lp);
}

Win32Peer::Win32Peer(Win32Platform& platform, Form& form) : platform_(platform), form_(form) {
    const FormDesign& d = form.Design();
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    DWORD ex = WS_EX_TOOLWINDOW;  // no taskbar button, nor a place in Alt+Tab
    int x = 0, y = 0, w = 0, h = 0;
    if (d.frame == Frame::None) ex |= WS_EX_NOACTIVATE;  // a layer never takes the keyboard
    if (d.startUp == StartUp::Placed) {
        // its rectangle comes from the program
    } else if (d.frame == Frame::None) {
        style |= WS_MAXIMIZE;
        w = GetSystemMetrics(SM_CXSCREEN);
        h = GetSystemMetrics(SM_CYSCREEN);
    } else {
        style |= WS_DLGFRAME;
        RECT r{0, 0, Px(d.client.width), PxY(d.client.height)};
        AdjustWindowRectEx(&r, style, FALSE, ex);
        w = r.right - r.left;
        h = r.bottom - r.top;
    }
    CreateContext ctx{this};
    CreateWindowExW(ex, kFormClassName, Wide(d.caption).c_str(), style, x, y, w, h, nullptr,
                    nullptr, platform.Instance(), &ctx);
    if (d.icon) {
        smallIcon_ = platform.Class().SmallIcon();
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(platform.Class().BigIcon()));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    }
    CreateButtons();
    if (d.hearsOtherCopies) LetThroughFromLowerRights();
}

// A copy that runs as administrator would otherwise never hear of a command
// from a copy started without, nor of Explorer's restart: the system keeps
// messages of a lower integrity level away from it.
void Win32Peer::LetThroughFromLowerRights() {
    using FilterEx = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using Filter = BOOL(WINAPI*)(UINT, DWORD);
    static const auto filterEx = Find<FilterEx>(L"user32.dll", "ChangeWindowMessageFilterEx");
    static const auto filter = Find<Filter>(L"user32.dll", "ChangeWindowMessageFilter");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW and MSGFLT_ADD alike
    for (const UINT msg : {static_cast<UINT>(WM_COPYDATA), TaskbarCreated()}) {
        if (filterEx)
            filterEx(hwnd_, msg, kAllow, nullptr);
        else if (filter)  // Vista: for the whole process
            filter(msg, kAllow);
    }
}

Win32Peer::~Win32Peer() {
    if (!hwnd_) return;
    // Unbind first: the messages that destruction sends find no peer.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

int Win32Peer::Px(float twips) const {
    return static_cast<int>(std::lround(twips / platform_.TwipsPerPixelX()));
}

int Win32Peer::PxY(float twips) const {
    return static_cast<int>(std::lround(twips / platform_.TwipsPerPixelY()));
}

RECT Win32Peer::PxRect(const TwipsRect& r) const {
    return {Px(r.left), PxY(r.top), Px(r.left + r.width), PxY(r.top + r.height)};
}

void Win32Peer::CreateButtons() {
    int id = kButtonIdBase;
    for (Control* c : form_.ControlsTopFirst()) {
        if (c->kind != ControlKind::Button) continue;
        const auto* b = static_cast<const CommandButton*>(c);
        const RECT r = PxRect(b->Get().rect);
        HWND child = CreateWindowExW(0, L"BUTTON", Wide(b->Get().caption).c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, r.left,
                                     r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                     platform_.Instance(), nullptr);
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.Get(b->Get().font, platform_.Dpi())), FALSE);
        buttons_.push_back({child, b});
    }
}

void Win32Peer::CoverScreen() {
    ::SetWindowPos(hwnd_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                   GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::Place(Form* owner) {
    if (placed_) return;
    placed_ = true;
    const FormDesign& d = form_.Design();
    if (d.startUp == StartUp::Placed) return;
    if (d.startUp == StartUp::Maximized) {
        CoverScreen();
        return;
    }
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (d.startUp == StartUp::CentreOwner && owner && owner->IsLoaded())
        GetWindowRect(reinterpret_cast<HWND>(owner->NativeHandle()), &area);
    Centre({area.left, area.top, area.right, area.bottom});
}

void Win32Peer::Centre(const PixelRect& area) {
    RECT me;
    GetWindowRect(hwnd_, &me);
    const int w = me.right - me.left, h = me.bottom - me.top;
    ::SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - w) / 2,
                   area.top + (area.bottom - area.top - h) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::CentreOn(const PixelRect& area) {
    placed_ = true;
    Centre(area);
}

PixelRect Win32Peer::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32Peer::Show(Form* owner) {
    SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT,
                      owner ? static_cast<LONG_PTR>(owner->NativeHandle()) : 0);
    Place(owner);
    const StartUp startUp = form_.Design().startUp;
    if (startUp == StartUp::Maximized || startUp == StartUp::Placed) {
        // Shown where it is without taking the focus from the user's program.
        ShowWindow(hwnd_, SW_SHOWNA);
        return;
    }
    ShowWindow(hwnd_, SW_SHOW);
    if (!buttons_.empty()) SetFocus(FocusTarget());
}

void Win32Peer::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void Win32Peer::SetBounds(const PixelRect& r) {
    ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::SetState(WindowState state) {
    if (state == WindowState::Normal && (IsIconic(hwnd_) || IsZoomed(hwnd_)) &&
        IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, SW_RESTORE);
}

HWND Win32Peer::FocusTarget() const {
    for (const auto& [child, button] : buttons_)
        if (button == form_.FocusedButton()) return child;
    return hwnd_;
}

void Win32Peer::Focus() {
    SetForegroundWindow(hwnd_);
    SetFocus(FocusTarget());
}

void Win32Peer::Announce(AccessibleEvent event, int index) {
    if (hwnd_) NotifyAccessible(hwnd_, event == AccessibleEvent::Focus, index);
}

void Win32Peer::FocusMoved() {
    if (!hwnd_) return;
    if (GetActiveWindow() == hwnd_) SetFocus(FocusTarget());
    // The focus rectangle moves: drawn afresh where it was and where it is.
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32Peer::Invalidate(const TwipsRect* area) {
    if (!area) {
        // A new background colour or scheme: shown now, not when the queue is
        // idle, on the child controls too.
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    RECT r = PxRect(*area);
    InflateRect(&r, 1, 1);
    InvalidateRect(hwnd_, &r, FALSE);
}

void Win32Peer::ArmTimer(int id, unsigned intervalMs) {
    SetTimer(hwnd_, kTimerBase + static_cast<UINT_PTR>(id), intervalMs, nullptr);
}

void Win32Peer::DisarmTimer(int id) { KillTimer(hwnd_, kTimerBase + static_cast<UINT_PTR>(id)); }

TwipsSize Win32Peer::MeasureText(const Font& font, std::string_view text) {
    WindowDc dc(hwnd_);
    Selection sel(dc.Get(), fonts_.Get(font, platform_.Dpi()));
    const std::wstring w = Wide(text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.Get(), w.c_str(), static_cast<int>(w.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const float tpp = platform_.TwipsPerPixelX();
    return {static_cast<float>(r.right - r.left) * tpp,
            static_cast<float>(r.bottom - r.top) * platform_.TwipsPerPixelY()};
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
            // The system copied the bytes for this process; only their length
            // is to be trusted, not what they say.
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
            if (!data || data->dwData > 0xFFFFFFFFu || (data->cbData > 0 && !data->lpData))
                return FALSE;
            const std::string_view bytes(static_cast<const char*>(data->lpData), data->cbData);
            return form_.DispatchRequest(static_cast<std::uint32_t>(data->dwData), bytes);
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
            if (msg == TaskbarCreated()) {
                form_.DispatchShellRestarted();
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::unique_ptr<WindowPeer> Win32Platform::CreatePeer(Form& form) {
    return std::make_unique<Win32Peer>(*this, form);
}

}  // namespace dv::win32
