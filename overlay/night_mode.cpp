#include "overlay/night_mode.h"

#include <algorithm>

#include "overlay/layer.h"
#include "overlay/monitors.h"
#include "overlay/tray_menu.h"
#include "settings/zones.h"

namespace dv {
NightMode::NightMode(Platform& host, Overlay& overlay)
    : host_(host),
      overlay_(overlay),
      store_(host),
      backlights_(host, store_),
      screens_(host),
      icon_(host),
      levels_(store_),
      aside_(host, store_) {}

void NightMode::Read() {
    // A stored value that does not convert leaves the design colour, and the
    // strength as it was, which is 0 at the first read.
    levels_.Read({0, overlay_.Layer().CurrentBackColor()});
    options_ = store_.ReadOptions();
    levels_.SetPerMonitor(options_.perMonitor);
    os_ = host_.WindowsVersion();
    monitors_ = host_.Monitors();
    ReadSchedule();
    ReadPlace();
    aside_.Programs().Read();
    backlights_.Read();
}

void NightMode::Load() {
    Form& layer = overlay_.Layer();
    icon_.Attach(layer);
    icon_.Show();
    Read();
    const LayerLook look = LookOf(MainMonitor(), host_.Now(), false);
    layer.SetBackColor(look.colour);
    MakeNightLayer(host_, layer, look.alpha);
    overlayAlpha_ = look.alpha;
    // Beyond the one screen: the other monitors, and captures.
    if (options_.hideInCaptures) SetCaptureExclusion(host_, layer.hWnd(), os_, true);
    screens_.SetCaptureExclusion(os_, options_.hideInCaptures);
    PlaceCompanions();
    started_ = true;
    WatchFront();
}

void NightMode::Unload() {
    backlights_.ReturnToDay(kBacklightEndMs);
    started_ = false;
    WatchFront();
    icon_.Hide();
    screens_.UnloadAll();
}

std::uint8_t NightMode::Strength(const std::string& monitor) {
    return levels_.Of(monitor).strength;
}

Colour NightMode::Tint(const std::string& monitor) { return levels_.Of(monitor).tint; }

void NightMode::SetStrength(int alpha, const std::string& monitor) {
    levels_.SetStrength(monitor, alpha);
    Apply();
}

void NightMode::Step(int step, const std::string& monitor) {
    levels_.Step(monitor, step);
    Apply();
}

void NightMode::SetTint(Colour tint, const std::string& monitor) {
    levels_.SetTint(monitor, tint);
    Apply();
}

void NightMode::SetTintEverywhere(Colour tint) {
    levels_.SetTint({}, tint);
    if (options_.perMonitor)
        for (const Monitor& m : monitors_) levels_.SetTint(MonitorIdentity(m), tint);
    Save();
    Apply();
}

std::vector<std::string> NightMode::EveryMonitor() const {
    if (!options_.perMonitor) return {std::string()};
    // Those with a layer: while only the main monitor has one, it alone.
    std::vector<std::string> all;
    for (const Monitor& m : options_.allScreens ? monitors_ : std::vector<Monitor>{MainMonitor()})
        all.push_back(MonitorIdentity(m));
    return all;
}

NotStored NightMode::Save() { return levels_.Save(); }

void NightMode::SaveStrength() { levels_.SaveStrength(); }

void NightMode::TurnOff() {
    Save();
    backlights_.ReturnToDay(kBacklightEndMs);
    // No unload runs after this, so the icon goes here rather than stay
    // behind in the notification area.
    icon_.Hide();
    host_.End();
}

void NightMode::ReadSchedule() {
    night_.schedule = store_.ReadSchedule();
    storedOwnSpan_ = store_.ReadOwnSpan();
}

void NightMode::ReadPlace() {
    night_.place = store_.ReadPlace();
    if (!night_.place) night_.place = PlaceOfZone(host_.TimeZoneKey());
}

bool NightMode::Paused() { return night_.Paused(host_.TickCount(), host_.Now()); }

void NightMode::PauseOrResume() {
    const std::uint64_t tick = host_.TickCount();
    if (Paused())
        night_.Resume();
    else
        night_.Pause(tick);
    Apply();
}

void NightMode::Pause(int minutes) {
    night_.Pause(host_.TickCount(), static_cast<std::uint64_t>(minutes) * 60 * 1000);
    Apply();
}

void NightMode::PauseUntilMorning() {
    night_.PauseUntilMorning(host_.Now().utc);
    Apply();
}

void NightMode::PauseUntilResumed() {
    night_.PauseUntilResumed();
    Apply();
}

void NightMode::Resume() {
    night_.Resume();
    Apply();
}

bool NightMode::Tinted() {
    const WallClock now = host_.Now();
    for (const std::string& monitor : EveryMonitor()) {
        const LayerPlan plan = PlanLayers(night_, now, false, Strength(monitor), editing_, false);
        if (plan.shown && plan.alpha > 0) return true;
    }
    return false;
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
bool NightMode::PickSchedule(const Schedule& s) {
    const Schedule own = OwnSpan();
    if (own.kind == Schedule::Kind::Span && !(own == storedOwnSpan_)) {
        if (!store_.SetOwnSpan(own)) return false;
        storedOwnSpan_ = own;
    }
    if (!store_.SetSchedule(s)) return false;
    night_.schedule = s;
    return true;
}

void NightMode::SetEditing(bool open) {
    editing_ = open;
    Apply();
}

bool NightMode::OverlayLives() const {
    Form& layer = overlay_.Layer();
    return layer.IsLoaded() && !layer.IsUnloading();
}

Monitor NightMode::MainMonitor() const { return monitors_.empty() ? Monitor{} : monitors_.front(); }

// A monitor whose own strength is 0 has no layer at all.
LayerLook NightMode::LookOf(const Monitor& m, const WallClock& now, bool paused) {
    const Level& level = levels_.Of(MonitorIdentity(m));
    const LayerPlan plan = PlanLayers(night_, now, paused, level.strength, editing_, menuOpen_);
    const bool shown = plan.shown && !aside_.Hides(MonitorIdentity(m)) &&
                       !(options_.perMonitor && level.strength == 0);
    return {level.tint, plan.alpha, shown};
}

void NightMode::StyleLayers(const WallClock& now, bool paused) {
    Form& layer = overlay_.Layer();
    const LayerLook look = LookOf(MainMonitor(), now, paused);
    if (look.shown) {
        if (look.alpha != overlayAlpha_) {
            overlayAlpha_ = look.alpha;
            SetLayeredAlpha(host_, layer.hWnd(), 0, look.alpha, kLwaAlpha);
        }
        if (look.colour != layer.BackColor()) layer.SetBackColor(look.colour);
    }
    for (std::size_t i = 0; i < screens_.All().size(); ++i)
        screens_.Style(i, LookOf(screens_.MonitorOf(i), now, paused));
    if (look.shown)
        layer.Show();
    else
        layer.Hide();
}

void NightMode::Apply() {
    if (!started_ || !OverlayLives()) return;
    const WallClock now = host_.Now();
    const bool paused = Paused();
    const LayerPlan plan = PlanLayers(night_, now, paused, Strength(), editing_, menuOpen_);
    StyleLayers(now, paused);
    overlay_.RunTimers(plan.keepOnTop && !aside_.All(), night_.Ticking());
    backlights_.Follow(BacklightShowing(now, paused), false);
}

// Night shows on a monitor's own brightness where its layer shows for the
// night: not for the settings window by day, nor for a strength of 0.
std::vector<Backlights::Showing> NightMode::BacklightShowing(const WallClock& now, bool paused) {
    const int progress = night_.schedule.kind == Schedule::Kind::None
                             ? kFadeSeconds
                             : NightProgress(night_.schedule, now, night_.place);
    const int fifths = (progress * 5 + kFadeSeconds / 2) / kFadeSeconds;
    std::vector<Backlights::Showing> all;
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const std::string id = MonitorIdentity(monitors_[i]);
        const std::uint8_t strength = levels_.Of(id).strength;
        const bool covered =
            (i == 0 || options_.allScreens) && !(options_.perMonitor && strength == 0);
        const bool shows = !paused && !aside_.Hides(id) && strength > 0;
        all.push_back({monitors_[i], covered, shows ? fifths : 0});
    }
    return all;
}

void NightMode::LayOut() {
    monitors_ = host_.Monitors();
    PlaceCompanions();
    if (started_) backlights_.Follow(BacklightShowing(host_.Now(), Paused()), true);
    // The main monitor may be another one now.
    Apply();
}

// A companion on each monitor as last seen but the main one, while every
// monitor is covered.
void NightMode::PlaceCompanions() {
    std::vector<Monitor> further;
    if (options_.allScreens && monitors_.size() > 1)
        further.assign(monitors_.begin() + 1, monitors_.end());
    const WallClock now = host_.Now();
    const bool paused = Paused();
    std::vector<LayerLook> looks;
    for (const Monitor& m : further) looks.push_back(LookOf(m, now, paused));
    screens_.Layout(further, looks);
}

void NightMode::WatchFront() { aside_.Watch(overlay_.Layer(), started_, options_.pauseFullScreen); }

void NightMode::FrontChanged(const FrontWindow& front) {
    if (aside_.FrontChanged(front, monitors_, options_.pauseFullScreen)) Apply();
}

Monitor NightMode::MonitorUnderPointer() {
    if (monitors_.empty()) return {};
    return monitors_[MonitorAt(monitors_, host_.GetCursorPos())];
}

Monitor NightMode::MonitorUnder(const PixelRect& r) {
    if (monitors_.empty()) return {};
    return monitors_[dv::MonitorUnder(monitors_, r)];
}

// A hidden layer is left where it is: above a full-screen program, a
// top-most window raised again can take it out of its full screen.
void NightMode::Raise(Handle under) {
    Form& layer = overlay_.Layer();
    const Handle overlay = layer.hWnd();
    if (layer.IsShown())
        host_.SetWindowPos(overlay, under ? under : kHwndTopmost, 0, 0, 0, 0,
                           kSwpNoMoveNoSize | kSwpNoActivate);
    screens_.Raise(overlay);
}

bool NightMode::StepsAsideOn(const Monitor& m) const { return aside_.Hides(MonitorIdentity(m)); }

bool NightMode::IsLayer(Handle h) const {
    if (h == 0) return false;
    if (overlay_.Layer().NativeHandle() == h) return true;
    for (const auto& s : screens_.All())
        if (s->NativeHandle() == h) return true;
    return false;
}

}  // namespace dv
