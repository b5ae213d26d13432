#include "overlay/frm_night.h"

#include "overlay/layer.h"
#include "resources/names.h"
#include "settings/convert.h"
#include "settings/store.h"
#include "startup/program.h"

namespace dv {

FrmNight::FrmNight(Program& program) : Form(program.host, layout::kNight), program_(program) {
    Bind(controls);
}

void FrmNight::ResetDesign() { static_cast<layout::NightControls&>(*this) = {}; }

void FrmNight::Form_Load() {
    Platform& host = Host();
    Mdluser& mdl = program_.mdl;
    Sys_Tray();
    // A stored text that does not convert, or a number the window would not
    // take as a colour, leaves the design colour.
    if (const auto stored = ReadSetting(host, names::kKeyColour, kDefaultColour)) {
        const auto colour = TextToLng(*stored);
        if (colour && IsWindowColour(static_cast<Colour>(*colour)))
            SetBackColor(static_cast<Colour>(*colour));
    }
    // ... and leaves bytLig as it was, which is 0 at the first load.
    if (const auto stored = ReadSetting(host, names::kKeyAlpha, kDefaultAlpha)) {
        if (const auto alpha = TextToByte(*stored)) mdl.bytLig = *alpha;
    }
    MakeNightLayer(host, *this, mdl.bytLig);
    // Beyond the one screen: the other monitors, and captures.
    program_.options = ReadOptions(host);
    program_.os = host.WindowsVersion();
    if (program_.options.hideInCaptures) SetCaptureExclusion(host, hWnd(), program_.os, true);
    LayOutScreens();
}

LayerLook FrmNight::Look() {
    return {BackColor(), program_.mdl.bytLig, program_.options.hideInCaptures, program_.os};
}

void FrmNight::LayOutScreens() { program_.screens.Layout(program_.options.allScreens, Look()); }

void FrmNight::Form_DisplayChanged() { LayOutScreens(); }

void FrmNight::Sys_Tray() {
    TrayRecord& nid = program_.mdl.nidTray;
    nid.hWnd = hWnd();
    nid.uID = static_cast<std::uint32_t>(Icon());
    nid.uFlags = kNifMessageIconTip;
    nid.uCallbackMessage = kWmMouseMove;  // the notifications come as moves
    nid.hIcon = Icon();
    nid.szTip = TrayTip(names::kAppName);
    nid.cbSize = kTrayRecordSize;
    program_.mdl.TrayAdd(Host());
}

void FrmNight::Timer_Tick(Timer& t) {
    if (&t == &Timer1)
        Timer1_Timer();
    else if (&t == &Timer2)
        Timer2_Timer();
}

void FrmNight::Timer1_Timer() {
    if (Host().GetAsyncKeyState(kVkF7) == 0) return;
    const Handle user = Host().GetForegroundWindow();
    FrmSet& frmSet = program_.frmSet;
    if (frmSet.Visible()) return;
    frmSet.OpenedFrom(user);
    frmSet.ShowModal(*this);
}

// Top-most again, never taking the keyboard from the user's program.
void FrmNight::Timer2_Timer() {
    Host().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
    program_.screens.Raise(hWnd());
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
// before the program hears of it; the window the user works in is the last
// other one seen, as the pointer came to the icon.
Handle FrmNight::UserWindow() {
    Platform& host = Host();
    const Handle now = host.GetForegroundWindow();
    if (now != 0 && !program_.IsOurs(now) && !host.IsNotificationArea(now)) userWindow_ = now;
    return userWindow_ != 0 && host.IsWindow(userWindow_) ? userWindow_ : now;
}

void FrmNight::OpenSettingsFromTray(Handle user) {
    FrmSet& frmSet = program_.frmSet;
    if (frmSet.Visible()) return;
    frmSet.OpenedFrom(user);
    frmSet.SetWindowState(WindowState::Normal);
    frmSet.SetVisible(true);
    frmSet.SetFocus();
    program_.mdl.TrayDelete(Host());
}

// The overlay carries the program: when the system closes it, the icon goes
// and so does every other window (the settings window saves as it does at
// any unload), so that the program ends instead of waiting with nothing on
// screen, and no hidden countdown brings the overlay back.
void FrmNight::Form_QueryUnload() {
    program_.mdl.TrayDelete(Host());
    program_.screens.UnloadAll();
    program_.frmSet.Unload();
    program_.frmSplash.Unload();
}

// The shell started again (Explorer restarted) with an empty notification
// area: the icon comes back if it stood there.
void FrmNight::Form_ShellRestarted() {
    if (program_.mdl.trayShown) program_.mdl.TrayAdd(Host());
}

}  // namespace dv
