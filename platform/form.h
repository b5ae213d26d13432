// The hosting of one window: load, show (modeless or modal), hide and unload,
// the window's controls and the routing of mouse, timer and button events to
// its event procedures. Each window of the program is one Form, built once.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/types.h"

namespace dv {

enum class Frame { None, FixedDialog };
// Where a window first shows. A placed window covers the rectangle the
// program gives it and is never activated.
enum class StartUp { CentreScreen, CentreOwner, Maximized, Placed };

struct FormDesign {
    const char* caption = "";
    TwipsSize client;
    Colour backColor = 0;
    Frame frame = Frame::FixedDialog;
    WindowState state = WindowState::Normal;
    StartUp startUp = StartUp::CentreScreen;
    bool icon = false;
    // Other copies hand it their requests, and it hears of the shell's
    // restart, even from processes of lower rights than this one's.
    bool hearsOtherCopies = false;
};

// One mouse event as a window's procedures receive it.
struct MouseArgs {
    int button = 0;      // the buttons as bits: 1 left, 2 right, 4 middle
    int shift = 0;       // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0, y = 0;  // in twips, from the client area's top-left corner
    PixelPoint pixel;    // the event's own position, as the system gave it
};

class Form {
   public:
    Form(Platform& platform, const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Each of these loads the window first when it is not loaded, so its
    // Form_Load runs inside the call.
    void Load();
    void Show();  // modeless, no owner; a shown window stays as it is
    void ShowModal(Form& owner);
    void Hide();
    bool Visible();
    void SetVisible(bool on);
    Handle hWnd();
    Handle Icon();
    Colour BackColor();
    void SetBackColor(Colour c);
    void SetWindowState(WindowState s);
    void SetFocus();
    // Covers `screen` (a window placed by the program).
    void SetBounds(const PixelRect& screen);
    // Stands centred on `area` from now on, where it would have stood
    // centred on its owner or the screen.
    void CentreOn(const PixelRect& area);
    // Where the window stands on the screen, its frame included.
    PixelRect WindowRect();

    // Unloads the windows this one owns first (their Form_QueryUnload runs),
    // then runs its own Form_QueryUnload, and the window and its controls go.
    // The next use loads it afresh with its design values.
    void Unload();

    bool IsLoaded() const { return peer_ != nullptr; }
    // True from the start of an unload until the window is gone.
    bool IsUnloading() const { return unloading_; }
    bool IsShown() const { return peer_ != nullptr && visible_; }
    const FormDesign& Design() const { return design_; }
    WindowState State() const { return state_; }
    Colour CurrentBackColor() const { return backColor_; }
    const std::vector<Control*>& ControlsTopFirst() const { return controls_; }
    Platform& System() const { return platform_; }
    WindowPeer* Peer() const { return peer_.get(); }
    // The native window's handle, 0 when not loaded; never loads the window.
    Handle NativeHandle() const { return peer_ ? peer_->Hwnd() : 0; }

    // Entry points for the backend, in pixels of the client area.
    void DispatchMouseMove(int buttons, int shift, PixelPoint p);
    void DispatchMouseDown(int button, int shift, PixelPoint p);
    void DispatchMouseUp(int button, int shift, PixelPoint p);
    void DispatchTimer(int id);
    void DispatchButtonClick(const CommandButton& button);
    // An unload the system asks for (close, log-off, shut-down).
    void RequestUnload() {
        if (peer_) Form_SystemClose();
    }
    // The native window was destroyed by something other than the program
    // (its owner went, say): the window counts as unloaded from now on.
    void NativeWindowGone() {
        if (peer_) Form_NativeGone();
    }
    // The system's colours, or high contrast, changed.
    void DispatchSchemeChanged() {
        if (peer_) Form_SchemeChanged();
    }
    // A key pressed while the window, or its button, has the keyboard;
    // `shift` as for the mouse (1 Shift, 2 Ctrl, 4 Alt).
    void DispatchKeyDown(int vk, int shift) {
        if (peer_) Form_KeyDown(vk, shift);
    }
    // The keyboard focus inside the window: on a drawn part of it (shown
    // with a focus rectangle round `area`), or on the button.
    void FocusArea(const TwipsRect& area);
    void FocusButton(const CommandButton& button);
    const TwipsRect* FocusedArea() const { return focusButton_ ? nullptr : &focusArea_; }
    const CommandButton* FocusedButton() const { return focusButton_; }
    // For screen readers: the window's parts, and pressing or focusing one
    // (by its index there).
    virtual std::vector<AccessiblePart> AccessibleParts() { return {}; }
    virtual void AccessiblePress(int /*index*/) {}
    virtual void AccessibleFocus(int /*index*/) {}
    void Announce(AccessibleEvent event, int index) {
        if (peer_) peer_->Announce(event, index);
    }
    // The window's own text, as screen readers and other programs read it;
    // and telling screen readers that it changed.
    void SetCaption(std::string_view text) {
        if (peer_) peer_->SetText(text);
    }
    void TellTextChanged() {
        if (peer_) peer_->TellTextChanged();
    }
    // The user chose another language: the window's texts follow.
    void DispatchLanguageChanged() {
        if (peer_) {
            Form_LanguageChanged();
            peer_->ButtonsRetexted();
        }
    }
    // A hot key the window registered was pressed.
    void DispatchHotKey(int id) {
        if (peer_) Form_HotKey(id);
    }
    // The clock, its zone or daylight saving changed, or the system woke.
    void DispatchTimeChanged() {
        if (peer_) Form_TimeChanged();
    }
    // Monitors came, went, moved or changed their size or scale.
    void DispatchDisplayChanged() {
        if (peer_) Form_DisplayChanged();
    }
    // The window was moved (by the user, the system or the program).
    void DispatchMoved() {
        if (peer_) Form_Moved();
    }
    // Another window came in front, or the one in front moved or changed
    // its size (while the host watches for it).
    void DispatchFrontChanged() {
        if (peer_) Form_FrontChanged();
    }

    // For controls: repaint a part of the window.
    void InvalidateTwips(const TwipsRect& area);
    // Repaints all of the window, its child controls too.
    void RepaintAll() {
        if (peer_) peer_->Invalidate(nullptr);
    }
    void TimerChanged(const Timer& timer);
    float TwipsPerPixel() const { return platform_.TwipsPerPixelX(); }

   protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload() {}
    virtual void Form_MouseMove(const MouseArgs& /*e*/) {}
    virtual void Form_MouseDown(const MouseArgs& /*e*/) {}
    virtual void Control_MouseMove(Control& /*c*/) {}
    virtual void Control_Click(Control& /*c*/) {}
    virtual void Timer_Tick(Timer& /*t*/) {}
    virtual void Form_DisplayChanged() {}
    virtual void Form_Moved() {}
    virtual void Form_FrontChanged() {}
    virtual void Form_SchemeChanged() {}
    virtual void Form_KeyDown(int /*vk*/, int /*shift*/) {}
    virtual void Form_HotKey(int /*id*/) {}
    virtual void Form_TimeChanged() {}
    virtual void Form_LanguageChanged() {}
    // What a close or a destruction from outside does to the window: it
    // unloads, unless the window says otherwise.
    virtual void Form_SystemClose() { Unload(); }
    virtual void Form_NativeGone() { Unload(); }
    // Puts every control back to its design values.
    virtual void ResetDesign() = 0;

    // Takes the window's controls, top of the z-order first.
    void Bind(const ControlList& list);

   private:
    Label* LabelAt(float x, float y) const;
    MouseArgs Args(int button, int shift, PixelPoint p) const;
    int TimerId(const Timer& t) const;
    void LeaveOwner();

    Platform& platform_;
    FormDesign design_;
    std::unique_ptr<WindowPeer> peer_;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
    Colour backColor_ = 0;
    Label* pressed_ = nullptr;
    bool unloading_ = false;
    TwipsRect focusArea_;
    const CommandButton* focusButton_ = nullptr;
    Form* owner_ = nullptr;     // the form this one is shown modally over
    std::vector<Form*> owned_;  // forms shown modally over this one
};

}  // namespace dv
