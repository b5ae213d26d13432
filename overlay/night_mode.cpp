#include "overlay/night_mode.h"

#include <algorithm>
#include <cstring>

#include "overlay/layer.h"
#include "overlay/tray_menu.h"
#include "resources/names.h"
#include "settings/convert.h"
#include "settings/slider.h"
#include "settings/store.h"
#include "settings/zones.h"

namespace dv {
namespace {

// The tip field: the name, one NUL, then blanks to 64 characters.
std::string TrayTip(const char* name) {
    std::string tip(name, std::min<std::size_t>(std::strlen(name), 63));
    tip.push_back('\0');
    tip.resize(64, ' ');
    return tip;
}

}  // namespace

NightMode::NightMode(Platform& host, Overlay& overlay)
    : host_(host), overlay_(overlay), screens_(host) {}

void NightMode::Load() {
    Form& layer = overlay_.Layer();
    nidTray_.hWnd = layer.hWnd();
    nidTray_.uID = static_cast<std::uint32_t>(layer.Icon());
    nidTray_.uFlags = kNifMessageIconTip;
    nidTray_.uCallbackMessage = kWmMouseMove;  // the notifications come as moves
    nidTray_.hIcon = layer.Icon();
    nidTray_.szTip = TrayTip(names::kAppName);
    nidTray_.cbSize = kTrayRecordSize;
    ShowIcon();
    // A stored text that does not convert, or a number the window would not
    // take as a colour, leaves the design colour ...
    if (const auto stored = ReadSetting(host_, names::kKeyColour, kDefaultColour)) {
        const auto colour = TextToLng(*stored);
        if (colour && IsWindowColour(static_cast<Colour>(*colour)))
            layer.SetBackColor(static_cast<Colour>(*colour));
    }
    tint_ = layer.BackColor();
    // ... and leaves the strength as it was, which is 0 at the first load.
    if (const auto stored = ReadSetting(host_, names::kKeyAlpha, kDefaultAlpha)) {
        if (const auto alpha = TextToByte(*stored)) strength_ = *alpha;
    }
    MakeNightLayer(host_, layer, strength_);
    shownAlpha_ = strength_;
    ReadSchedule();
    ReadPlace();
    const LayerPlan plan = PlanLayers(night_, host_.Now(), false, strength_, false, false);
    if (plan.alpha != shownAlpha_) ShowAlpha(plan.alpha);
    screens_.SetShown(plan.shown);
    // Beyond the one screen: the other monitors, and captures.
    options_ = ReadOptions(host_);
    os_ = host_.WindowsVersion();
    if (options_.hideInCaptures) SetCaptureExclusion(host_, layer.hWnd(), os_, true);
    LayOut();
}

void NightMode::Unload() {
    HideIcon();
    screens_.UnloadAll();
}

void NightMode::SetStrength(int alpha) {
    strength_ = InSliderRange(alpha);
    Apply();
}

void NightMode::Step(int step) {
    const int now = strength_;
    strength_ =
        step > 0 ? std::max(strength_, InSliderRange(now + step)) : InSliderRange(now + step);
    Apply();
}

void NightMode::SetTint(Colour tint) {
    overlay_.Layer().SetBackColor(tint);
    screens_.SetColour(tint);
    tint_ = overlay_.Layer().BackColor();
}

void NightMode::SaveStrength() {
    host_.SaveSetting(names::kAppName, names::kSection, names::kKeyAlpha, LngToText(strength_));
}

void NightMode::Save() {
    SaveStrength();
    host_.SaveSetting(names::kAppName, names::kSection, names::kKeyColour,
                      LngToText(static_cast<std::int32_t>(tint_)));
}

void NightMode::TurnOff() {
    Save();
    // No unload runs after this, so the icon goes here rather than stay
    // behind in the notification area.
    HideIcon();
    host_.End();
}

void NightMode::ReadSchedule() {
    night_.schedule = ParseSchedule(StoredOrEmpty(host_, names::kKeySchedule));
    storedOwnSpan_ = ParseSchedule(StoredOrEmpty(host_, names::kKeyOwnSpan));
}

void NightMode::ReadPlace() {
    const auto latitude = ParseDegrees(StoredOrEmpty(host_, names::kKeyLatitude));
    const auto longitude = ParseDegrees(StoredOrEmpty(host_, names::kKeyLongitude));
    if (latitude && longitude && OnEarth({*latitude, *longitude}))
        night_.place = GeoPoint{*latitude, *longitude};
    else
        night_.place = PlaceOfZone(host_.TimeZoneKey());
}

bool NightMode::Paused() { return night_.Paused(host_.TickCount()); }

void NightMode::PauseOrResume() {
    const std::uint64_t tick = host_.TickCount();
    if (night_.Paused(tick))
        night_.Resume();
    else
        night_.Pause(tick);
    Apply();
}

Schedule NightMode::OwnSpan() const {
    for (const Schedule& s : {night_.schedule, storedOwnSpan_})
        if (s.kind == Schedule::Kind::Span && !menu::Offered(s)) return s;
    return {};
}

// The user's own span is kept under a value of its own before another
// choice replaces it, so that the menu offers it again. A store that
// refuses to keep it refuses the pick too: the span is never lost. A
// refused write of the choice itself leaves the schedule as it was (the
// span, kept by then, stays kept).
void NightMode::PickSchedule(const Schedule& s) {
    const Schedule own = OwnSpan();
    if (own.kind == Schedule::Kind::Span && !(own == storedOwnSpan_)) {
        if (!host_.SaveSetting(names::kAppName, names::kSection, names::kKeyOwnSpan,
                               ScheduleText(own)))
            return;
        storedOwnSpan_ = own;
    }
    if (!host_.SaveSetting(names::kAppName, names::kSection, names::kKeySchedule, ScheduleText(s)))
        return;
    night_.schedule = s;
}

void NightMode::SetEditing(bool open) {
    editing_ = open;
    Apply();
}

bool NightMode::OverlayLives() const {
    Form& layer = overlay_.Layer();
    return layer.IsLoaded() && !layer.IsUnloading();
}

void NightMode::Apply() {
    if (!OverlayLives()) return;
    Form& layer = overlay_.Layer();
    const LayerPlan plan =
        PlanLayers(night_, host_.Now(), Paused(), strength_, editing_, menuOpen_);
    if (plan.shown) {
        if (plan.alpha != shownAlpha_) ShowAlpha(plan.alpha);
        screens_.SetShown(true);
        layer.Show();
    } else {
        layer.Hide();
        screens_.SetShown(false);
    }
    overlay_.Follow(plan.keepOnTop, night_.Ticking());
}

void NightMode::ShowAlpha(std::uint8_t alpha) {
    shownAlpha_ = alpha;
    SetLayeredAlpha(host_, overlay_.Layer().hWnd(), 0, alpha, kLwaAlpha);
    screens_.SetAlpha(alpha);
}

void NightMode::ShowIcon() {
    host_.Shell_NotifyIconA(kNimAdd, nidTray_);
    iconShown_ = true;
}

void NightMode::HideIcon() {
    host_.Shell_NotifyIconA(kNimDelete, nidTray_);
    iconShown_ = false;
}

void NightMode::ShellRestarted() {
    if (iconShown_) ShowIcon();
}

LayerLook NightMode::Look() const { return {tint_, shownAlpha_, options_.hideInCaptures, os_}; }

void NightMode::LayOut() { screens_.Layout(options_.allScreens, Look()); }

bool NightMode::SetAllScreens(bool on) {
    if (!SaveOption(host_, names::kKeyAllScreens, on)) return false;
    options_.allScreens = on;
    LayOut();
    return true;
}

bool NightMode::MayHideInCaptures() const { return MayExcludeFromCapture(os_); }

bool NightMode::SetHideInCaptures(bool on) {
    if (!MayHideInCaptures() || !SaveOption(host_, names::kKeyHideInCaptures, on)) return false;
    options_.hideInCaptures = on;
    SetCaptureExclusion(host_, overlay_.Layer().hWnd(), os_, on);
    screens_.SetCaptureExclusion(os_, on);
    return true;
}

bool NightMode::SetHotKeys(bool on) {
    if (!SaveOption(host_, names::kKeyHotKeys, on)) return false;
    options_.hotKeys = on;
    return true;
}

bool NightMode::LayersExcluded() {
    const auto excluded = [this](Handle h) {
        return host_.GetWindowDisplayAffinity(h) == kWdaExcludeFromCapture;
    };
    if (!excluded(overlay_.Layer().hWnd())) return false;
    for (const auto& s : screens_.All())
        if (!excluded(s->NativeHandle())) return false;
    return true;
}

void NightMode::Raise() {
    const Handle overlay = overlay_.Layer().hWnd();
    host_.SetWindowPos(overlay, kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
    screens_.Raise(overlay);
}

bool NightMode::IsLayer(Handle h) const {
    if (h == 0) return false;
    if (overlay_.Layer().NativeHandle() == h) return true;
    for (const auto& s : screens_.All())
        if (s->NativeHandle() == h) return true;
    return false;
}

}  // namespace dv
