// Whether the layers show now, and how strongly: the schedule with its
// fades, a pause, and the settings window and menu that are open. Decided
// here alone, from the state, at every change and every second.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/schedule.h"

namespace dv {

struct NightState {
    Schedule schedule;
    // The place the sun is worked out for; nothing when neither the
    // settings nor the system name one.
    std::optional<GeoPoint> place;
    // When a pause ends: on the system's tick count, after a span of time
    // that really passes whatever is done to the wall clock; in the morning
    // after the moment (UTC) it began, worked out afresh each time with the
    // schedule, place and zone of now, as the schedule is; or when the user
    // resumes.
    std::optional<std::uint64_t> pausedUntil;
    std::optional<std::int64_t> pausedForNightFrom;
    bool pausedUntilResumed = false;

    static constexpr std::uint64_t kPauseMs = 60 * 60 * 1000;
    void Pause(std::uint64_t tick, std::uint64_t ms = kPauseMs) {
        Resume();
        pausedUntil = tick + ms;
    }
    void PauseUntilMorning(std::int64_t utc) {
        Resume();
        pausedForNightFrom = utc;
    }
    void PauseUntilResumed() {
        Resume();
        pausedUntilResumed = true;
    }
    void Resume() {
        pausedUntil.reset();
        pausedForNightFrom.reset();
        pausedUntilResumed = false;
    }
    // Ends a pause that is over; true while paused.
    bool Paused(std::uint64_t tick, const WallClock& now);
    // Whether time alone can change what the layers show.
    bool Ticking() const {
        return schedule.kind != Schedule::Kind::None || pausedUntil || pausedForNightFrom;
    }
};

struct LayerPlan {
    bool shown = true;
    std::uint8_t alpha = 0;
    // The keep-on-top work, which has nothing to do for hidden layers and
    // must not cover an open menu or settings window.
    bool keepOnTop = true;
};

// `paused` as NightState::Paused gave it. With nothing scheduled or paused,
// the layers show at `strength` at all times.
LayerPlan PlanLayers(const NightState& night, const WallClock& now, bool paused,
                     std::uint8_t strength, bool settingsOpen, bool menuOpen);

}  // namespace dv
