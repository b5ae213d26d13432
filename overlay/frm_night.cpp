#include "overlay/frm_night.h"

#include <algorithm>

#include "overlay/layer.h"
#include "resources/names.h"
#include "settings/convert.h"
#include "settings/store.h"
#include "settings/zones.h"
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
    shownAlpha_ = mdl.bytLig;
    // The layers start as the schedule has them now: by day hidden, in a
    // fade at the fade's strength, else at the user's.
    ReadSchedule();
    ReadPlace();
    const LayerPlan plan = PlanLayers(night_, host.Now(), false, mdl.bytLig, false, false);
    if (plan.alpha != shownAlpha_) ShowAlpha(plan.alpha);
    program_.screens.SetShown(plan.shown);
    // Beyond the one screen: the other monitors, and captures.
    program_.options = ReadOptions(host);
    program_.os = host.WindowsVersion();
    if (program_.options.hideInCaptures) SetCaptureExclusion(host, hWnd(), program_.os, true);
    LayOutScreens();
    if (program_.options.hotKeys) SetHotKeys(true);
}

namespace {

struct HotKey {
    int id;
    unsigned vk;
    const char* name;
};
constexpr HotKey kHotKeys[] = {
    {FrmNight::kHotKeyDarker, kVkNext, "Alt+PgDn"},
    {FrmNight::kHotKeyBrighter, kVkPrior, "Alt+PgUp"},
    {FrmNight::kHotKeyPause, kVkEnd, "Alt+End"},
};

}  // namespace

// Combinations another program holds are left to it, and the menu says so.
void FrmNight::SetHotKeys(bool on) {
    for (std::size_t i = 0; i < std::size(kHotKeys); ++i) {
        const HotKey& k = kHotKeys[i];
        if (on) {
            hotKeyTaken_[i] = !Host().RegisterHotKey(hWnd(), k.id, kModAlt, k.vk);
        } else {
            if (!hotKeyTaken_[i]) Host().UnregisterHotKey(hWnd(), k.id);
            hotKeyTaken_[i] = false;
        }
    }
}

std::string FrmNight::HotKeysText() const {
    const Texts& t = program_.texts();
    std::string all, taken;
    int count = 0;
    for (std::size_t i = 0; i < std::size(kHotKeys); ++i) {
        all += (i > 0 ? " / " : "") + std::string(kHotKeys[i].name);
        if (hotKeyTaken_[i]) taken += (count++ > 0 ? t.listJoin : "") + std::string(kHotKeys[i].name);
    }
    const std::string said = count == 0 ? all : taken + (count == 1 ? t.takenOne : t.takenMany);
    return std::string(t.menuHotKeys) + " (" + said + ")";
}

void FrmNight::Begin() {
    Load();
    Apply();
}

void FrmNight::ReadSchedule() {
    night_.schedule = ParseSchedule(StoredOrEmpty(Host(), names::kKeySchedule));
    storedOwnSpan_ = ParseSchedule(StoredOrEmpty(Host(), names::kKeyOwnSpan));
}

void FrmNight::ReadPlace() {
    const auto latitude = ParseDegrees(StoredOrEmpty(Host(), names::kKeyLatitude));
    const auto longitude = ParseDegrees(StoredOrEmpty(Host(), names::kKeyLongitude));
    if (latitude && longitude && OnEarth({*latitude, *longitude}))
        night_.place = GeoPoint{*latitude, *longitude};
    else
        night_.place = PlaceOfZone(Host().TimeZoneKey());
}

void FrmNight::Apply() {
    if (!IsLoaded() || IsUnloading()) return;
    const WallClock now = Host().Now();
    const bool paused = night_.Paused(Host().TickCount());
    const FrmSet& frmSet = program_.frmSet;
    const bool settingsOpen = frmSet.IsLoaded() && !frmSet.IsUnloading();
    const LayerPlan plan =
        PlanLayers(night_, now, paused, program_.mdl.bytLig, settingsOpen, menuOpen_);
    if (plan.shown) {
        if (plan.alpha != shownAlpha_) ShowAlpha(plan.alpha);
        program_.screens.SetShown(true);
        Show();
    } else {
        Hide();
        program_.screens.SetShown(false);
    }
    Timer2.SetEnabled(plan.keepOnTop);
    Timer3.SetEnabled(night_.Ticking());
}

void FrmNight::ShowAlpha(std::uint8_t alpha) {
    shownAlpha_ = alpha;
    SetLayeredAlpha(Host(), hWnd(), 0, alpha, kLwaAlpha);
    program_.screens.SetAlpha(alpha);
}

void FrmNight::Form_HotKey(int id) {
    if (id == kHotKeyDarker) Strengthen(16);
    if (id == kHotKeyBrighter) Strengthen(-16);
    if (id == kHotKeyPause) PauseOrResume();
}

// The hot keys step within the slider's range; a strength beyond its
// darkest end (stored by hand) is never made brighter by "darker".
void FrmNight::Strengthen(int step) {
    Mdluser& mdl = program_.mdl;
    const int now = mdl.bytLig;
    const int wanted = step > 0 ? std::max(now, std::min(now + step, 254)) : std::max(now + step, 0);
    mdl.bytLig = static_cast<std::uint8_t>(wanted);
    if (program_.frmSet.IsLoaded()) program_.frmSet.ShowStrength();
    Apply();
    // Written once the presses stop.
    Timer4.SetEnabled(false);
    Timer4.SetEnabled(true);
}

void FrmNight::PauseOrResume() {
    const std::uint64_t tick = Host().TickCount();
    if (night_.Paused(tick))
        night_.Resume();
    else
        night_.Pause(tick);
    Apply();
}

// A new zone may stand for another place.
void FrmNight::Form_TimeChanged() {
    ReadPlace();
    Apply();
}

LayerLook FrmNight::Look() {
    return {BackColor(), shownAlpha_, program_.options.hideInCaptures, program_.os};
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
    else if (&t == &Timer3)
        Timer3_Timer();
    else if (&t == &Timer4)
        Timer4_Timer();
}

// The schedule's fades and a pause's end follow the clock.
void FrmNight::Timer3_Timer() { Apply(); }

void FrmNight::Timer4_Timer() {
    Timer4.SetEnabled(false);
    Host().SaveSetting(names::kAppName, names::kSection, names::kKeyAlpha,
                       LngToText(program_.mdl.bytLig));
}

void FrmNight::Timer1_Timer() {
    NoteUserWindow();
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
// before the program hears of it (a tap on a touch screen brings no pointer
// to the icon first): the window the user works in is the last other one
// seen, by the F7 poll or by the icon's notifications.
Handle FrmNight::NoteUserWindow() {
    Platform& host = Host();
    const Handle now = host.GetForegroundWindow();
    if (now != 0 && !program_.IsOurs(now) && !host.IsNotificationArea(now)) userWindow_ = now;
    return now;
}

Handle FrmNight::UserWindow() {
    const Handle now = NoteUserWindow();
    return userWindow_ != 0 && Host().IsWindow(userWindow_) ? userWindow_ : now;
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
    // A strength the hot keys set and that waits to be written is written.
    if (Timer4.Enabled()) Timer4_Timer();
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
