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
    Timer Timer1{controls, 100, true};  // the F7 poll
    Timer Timer2{controls, 20, true};   // keep-on-top
    Timer Timer3{controls, 1000, false};  // the schedule's clock, and a pause's
    Timer Timer4{controls, 2000, false};  // writes the strength the hot keys set
};

}  // namespace dv::layout
