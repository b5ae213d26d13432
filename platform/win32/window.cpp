#include "platform/win32/window.h"

#include "platform/win32/accessible.h"

#include <cmath>

#include "platform/win32/bench_marks.h"
#include "platform/win32/live_region.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

constexpr int kButtonIdBase = 100;

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

void Win32Peer::SetText(std::string_view text) { SetWindowTextW(hwnd_, Wide(text).c_str()); }

void Win32Peer::TellTextChanged() { TellLiveRegionChanged(hwnd_, live_); }

void Win32Peer::ButtonsRetexted() {
    for (const auto& [child, b] : buttons_) {
        SetWindowTextW(child, Wide(b->Get().caption).c_str());
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.Get(b->Get().font, platform_.Dpi())), TRUE);
    }
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

std::unique_ptr<WindowPeer> Win32Platform::CreatePeer(Form& form) {
    return std::make_unique<Win32Peer>(*this, form);
}

}  // namespace dv::win32
