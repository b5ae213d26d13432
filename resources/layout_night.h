// Design values of the overlay window.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace dv::layout {

inline constexpr Colour kDefaultTint = 0x4000;

inline const FormDesign kNight{
    "DuskveilV1.0",     {0, 0}, kDefaultTint, Frame::None, WindowState::Maximized,
    StartUp::Maximized, true};

struct NightControls {
    Timer Timer1{100, true};  // the F7 poll
    Timer Timer2{20, true};   // keep-on-top
};

}  // namespace dv::layout
