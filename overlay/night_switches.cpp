// Night mode's switches, each taking effect only once the store took it,
// and what the menu asks of them.
#include "overlay/layer.h"
#include "overlay/night_mode.h"

namespace dv {

bool NightMode::SetAllScreens(bool on) {
    if (!store_.SetOption(Option::AllScreens, on)) return false;
    options_.allScreens = on;
    PlaceCompanions();
    Apply();
    return true;
}

// The values of each stay stored while the monitors share theirs.
bool NightMode::SetPerMonitor(bool on) {
    if (!store_.SetOption(Option::PerMonitor, on)) return false;
    options_.perMonitor = on;
    levels_.SetPerMonitor(on);
    Apply();
    return true;
}

bool NightMode::SetPauseFullScreen(bool on) {
    if (!store_.SetOption(Option::PauseFullScreen, on)) return false;
    options_.pauseFullScreen = on;
    if (!on) aside_.ForgetFullScreen();
    WatchFront();
    Apply();
    return true;
}

bool NightMode::SetShowLevel(bool on) {
    if (!store_.SetOption(Option::ShowLevel, on)) return false;
    options_.showLevel = on;
    return true;
}

bool NightMode::SetListed(const std::string& path, bool listed) {
    if (!aside_.Programs().Set(path, listed)) return false;
    if (!listed) aside_.ForgetListed();
    WatchFront();
    Apply();
    return true;
}

bool NightMode::MayHideInCaptures() const { return MayExcludeFromCapture(os_); }

bool NightMode::SetHideInCaptures(bool on) {
    if (!MayHideInCaptures() || !store_.SetOption(Option::HideInCaptures, on)) return false;
    options_.hideInCaptures = on;
    SetCaptureExclusion(host_, overlay_.Layer().hWnd(), os_, on);
    screens_.SetCaptureExclusion(os_, on);
    return true;
}

bool NightMode::SetHotKeys(bool on) {
    if (!store_.SetOption(Option::HotKeys, on)) return false;
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

bool NightMode::SetBacklight(std::optional<int> percent) {
    if (!backlights_.SetLevel(percent)) return false;
    Apply();
    return true;
}

}  // namespace dv
