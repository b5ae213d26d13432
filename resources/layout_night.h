// Design values of the overlay window.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/names.h"

namespace dv::layout {

inline const FormDesign kNight{
    names::kOverlayCaption, {0, 0}, names::kDefaultTint, Frame::None, WindowState::Maximized,
    StartUp::Maximized,     true,  true};

// The overlay's companion on a further monitor: placed on it by the program.
inline const FormDesign kScreen{
    names::kScreenCaption, {0, 0}, names::kDefaultTint, Frame::None, WindowState::Normal,
    StartUp::Placed,       false};

struct NightControls {
    ControlList controls;
    Timer f7Poll{controls, {.intervalMs = 100, .enabled = true}};
    Timer keepOnTop{controls, {.intervalMs = 20, .enabled = true}};
    // the schedule's fades, and a pause's end
    Timer scheduleClock{controls, {.intervalMs = 1000}};
    // writes the strength the hot keys set, once they stop
    Timer saveLater{controls, {.intervalMs = 2000}};
};

}  // namespace dv::layout
