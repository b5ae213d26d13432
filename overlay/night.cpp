#include "overlay/night.h"

namespace dv {

bool NightState::Paused(std::uint64_t tick, const WallClock& now) {
    const auto morningCame = [&] {
        const WallClock began{*pausedForNightFrom, now.offsetMinutes};
        return now.Local() >= NextMorning(schedule, began, place);
    };
    if ((pausedUntil && tick >= *pausedUntil) || (pausedForNightFrom && morningCame())) Resume();
    return pausedUntil || pausedForNightFrom || pausedUntilResumed;
}

LayerPlan PlanLayers(const NightState& night, const WallClock& now, bool paused,
                     std::uint8_t strength, bool settingsOpen, bool menuOpen) {
    LayerPlan plan;
    if (settingsOpen) {
        // The user sees what they choose, whatever the hour.
        plan.alpha = strength;
    } else if (paused) {
        plan.shown = false;
    } else if (night.schedule.kind != Schedule::Kind::None) {
        const int progress = NightProgress(night.schedule, now, night.place);
        plan.alpha = static_cast<std::uint8_t>(strength * progress / kFadeSeconds);
        plan.shown = progress > 0;
    } else {
        plan.alpha = strength;
    }
    plan.keepOnTop = plan.shown && !settingsOpen && !menuOpen;
    return plan;
}

}  // namespace dv
