#include "forms/frm_night.h"

#include "forms/frm_set.h"
#include "forms/frm_splash.h"
#include "overlay/monitors.h"
#include "overlay/tray_menu.h"
#include "settings/slider.h"

namespace dv {

FrmNight::FrmNight(Platform& host, UserContext& context, NightMode& night, FrmSet& frmSet,
                   FrmSplash& frmSplash)
    : Form(host, layout::kNight),
      context_(context),
      night_(night),
      frmSet_(frmSet),
      frmSplash_(frmSplash),
      menu_(host, context, night),
      hotKeys_(host, context),
      frmLevel_(host, context) {
    Bind(controls);
}

void FrmNight::ResetDesign() { ResetControls(controls, layout::NightControls().controls); }

void FrmNight::Form_Load() {
    night_.Load();
    hotKeys_.Read();
    if (night_.Settings().hotKeys) SetHotKeys(true);
}

void FrmNight::Begin() {
    Load();
    night_.Apply();
    if (night_.WatchesFront()) Form_FrontChanged();
}

// What stands in front now; its program is asked for once for each window,
// however often the window moves.
void FrmNight::Form_FrontChanged() {
    Platform& host = System();
    FrontWindow front;
    front.handle = host.GetForegroundWindow();
    if (front.handle != front_) {
        frontProgram_.clear();
        frontAsked_ = false;
    }
    if (front.handle != 0) {
        front.ours = context_.IsOurs(front.handle);
        front.shell = host.IsShellWindow(front.handle) || host.IsNotificationArea(front.handle);
        front.caption = host.HasTitleBar(front.handle);
        front.maximizedFrame = host.IsMaximizedWithFrame(front.handle);
        front.rect = host.GetWindowRect(front.handle);
        if (!front.ours && !frontAsked_) {
            frontProgram_ = ProgramPathOf(host, front.handle);
            frontAsked_ = true;
        }
        if (!front.ours) front.program = frontProgram_;
    }
    front_ = front.handle;
    frontRect_ = front.rect;
    night_.FrontChanged(front);
    // What the layers step aside for changes only here: a label showing
    // over such a program goes at once.
    if (frmLevel_.IsShown() && night_.StepsAsideOn(frmLevel_.Where())) frmLevel_.Vanish();
}

void FrmNight::RunTimers(bool raising, bool clock) {
    keepOnTop.SetEnabled(raising);
    scheduleClock.SetEnabled(clock);
}

void FrmNight::SetHotKeys(bool on) {
    if (on)
        hotKeys_.Register(hWnd());
    else
        hotKeys_.Release();
}

void FrmNight::Form_HotKey(int id) {
    switch (hotKeys_.ActionOf(id).value_or(kActionCount)) {
        case kDarker:
            Strengthen(kHotKeyStep);
            break;
        case kBrighter:
            Strengthen(-kHotKeyStep);
            break;
        case kPauseResume:
            night_.PauseOrResume();
            break;
        default:
            break;
    }
}

// While each monitor has its own level, that of the layer under the pointer.
void FrmNight::Strengthen(int step) {
    const bool own = night_.Settings().perMonitor;
    const Monitor under = night_.MonitorUnderPointer();
    const Monitor m = night_.Tinting(under);
    night_.Step(step, own ? MonitorIdentity(m) : std::string());
    ShowLevel(own ? m : under);
    if (frmSet_.IsLoaded()) frmSet_.ShowStrength();
    // Written once the presses stop.
    saveLater.SetEnabled(false);
    saveLater.SetEnabled(true);
}

// A new zone may stand for another place.
void FrmNight::Form_TimeChanged() {
    night_.ReadPlace();
    night_.Apply();
}

void FrmNight::Form_DisplayChanged() { night_.LayOut(); }

void FrmNight::Timer_Tick(Timer& t) {
    if (&t == &f7Poll)
        Timer1_Timer();
    else if (&t == &keepOnTop)
        Timer2_Timer();
    else if (&t == &scheduleClock)
        Timer3_Timer();
    else if (&t == &saveLater)
        Timer4_Timer();
}

// The schedule's fades and a pause's end follow the clock.
void FrmNight::Timer3_Timer() { night_.Apply(); }

void FrmNight::Timer4_Timer() {
    saveLater.SetEnabled(false);
    night_.SaveStrength();
}

void FrmNight::Timer1_Timer() {
    const Handle now = NoteUserWindow();
    // The system's events say at once when the window in front changes;
    // where they do not come (Wine sends neither), this poll sees it.
    if (night_.WatchesFront() && (now != front_ || System().GetWindowRect(now) != frontRect_))
        Form_FrontChanged();
    // The dialog that chooses the hot keys takes every key while it is open:
    // an F7 pressed there (which it refuses) opens nothing once it closes.
    if (hotKeys_.Choosing()) {
        System().GetAsyncKeyState(kVkF7);
        return;
    }
    if (settingsAsked_ && !night_.MenuOpen()) {
        settingsAsked_ = false;
        OpenSettings(settingsAskedBy_);
        return;
    }
    if (System().GetAsyncKeyState(kVkF7) == 0) return;
    OpenSettings(System().GetForegroundWindow());
}

void FrmNight::OpenSettings(Handle user) {
    if (frmSet_.Visible()) return;
    frmSet_.OpenedFrom(user);
    frmSet_.ShowModal(*this);
}

// The level's label first, then the layers right under it.
void FrmNight::Timer2_Timer() {
    frmLevel_.Raise();
    night_.Raise(frmLevel_.IsShown() ? frmLevel_.NativeHandle() : 0);
}

// Nothing is raised over a program the layers step aside for (a top-most
// window can take it out of its full screen); the layers follow the label
// only while they are kept on top (not under an open menu or settings
// window).
void FrmNight::ShowLevel(const Monitor& m) {
    const Options& options = night_.Settings();
    if (!options.showLevel || !IsLoaded() || night_.StepsAsideOn(m)) return;
    const std::string monitor = options.perMonitor ? MonitorIdentity(m) : std::string();
    frmLevel_.ShowOn(m, context_.texts().levelLead + BrightnessPercent(night_.Strength(monitor)),
                     options.hideInCaptures);
    if (keepOnTop.Enabled()) night_.Raise(frmLevel_.NativeHandle());
}

// The tray icon's callback. The overlay takes no mouse input of its own, so
// every call here is a notification, whose own mouse message stands where a
// move's x would. It is read from the pixel value itself, which keeps the
// decision the same at every screen density.
void FrmNight::Form_MouseMove(const MouseArgs& e) {
    const auto notification = static_cast<unsigned>(e.pixel.x);
    const Handle user = UserWindow();
    if (notification == kWmLButtonDown) OpenSettingsFromTray(user);
    if (notification == kWmRButtonUp) TrayMenu(user);
}

// A click on the icon may give the shell's notification area the keyboard
// before the program hears of it (a tap on a touch screen brings no pointer
// to the icon first): the window the user works in is the last other one
// seen, by the F7 poll or by the icon's notifications.
Handle FrmNight::NoteUserWindow() {
    Platform& host = System();
    const Handle now = host.GetForegroundWindow();
    if (now != 0 && !context_.IsOurs(now) && !host.IsNotificationArea(now)) userWindow_ = now;
    return now;
}

Handle FrmNight::UserWindow() {
    const Handle now = NoteUserWindow();
    return userWindow_ != 0 && System().IsWindow(userWindow_) ? userWindow_ : now;
}

void FrmNight::OpenSettingsFromTray(Handle user) {
    if (frmSet_.Visible() || hotKeys_.Choosing()) return;
    frmSet_.OpenedFrom(user);
    frmSet_.SetWindowState(WindowState::Normal);
    frmSet_.SetVisible(true);
    frmSet_.SetFocus();
    night_.HideIcon();
}

void FrmNight::TrayMenu(Handle user) {
    // Never over an open settings window (F7 holds it modally).
    if (frmSet_.IsShown() || hotKeys_.Choosing()) return;
    const int left = menu_.Run(*this, user, hotKeys_.MenuText());
    if (left == menu::kSettings) {
        OpenSettingsFromTray(user);
        return;
    }
    if (left == menu::kHotKeys && night_.SetHotKeys(!night_.Settings().hotKeys))
        SetHotKeys(night_.Settings().hotKeys);
    if (left == menu::kChooseHotKeys) {
        hotKeys_.Choose(*this, night_.Settings().hotKeys);
        System().GetAsyncKeyState(kVkF7);  // an F7 pressed as it closed was the dialog's
    }
    night_.Apply();
    // Whatever the command did, the keyboard is the user's program's.
    if (context_.HoldsForeground()) context_.GiveForegroundTo(user);
}

// The overlay carries the program: when the system closes it, the icon goes
// and so does every other window (the settings window saves as it does at
// any unload), so that the program ends instead of waiting with nothing on
// screen, and no hidden countdown brings the overlay back.
void FrmNight::Form_QueryUnload() {
    // A strength the hot keys set and that waits to be written is written.
    if (saveLater.Enabled()) Timer4_Timer();
    night_.Unload();
    frmLevel_.Unload();
    frmSet_.Unload();
    frmSplash_.Unload();
}

}  // namespace dv
