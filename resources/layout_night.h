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

// The level as it changes: a small label placed by the program near the
// bottom of a monitor, its size following its text.
inline constexpr Colour kLevelBack = 0x303030;
inline const FormDesign kLevel{"", {0, 0}, kLevelBack, Frame::None, WindowState::Normal,
                               StartUp::Placed, false};
inline constexpr Font kLevelFont{"宋体", 15, true, 134};
// Its text stands this far in from its edges.
inline constexpr float kLevelPadX = 240, kLevelPadY = 120;

struct LevelControls {
    ControlList controls;
    Label level{controls, {.rect = {kLevelPadX, kLevelPadY, 0, 0}, .caption = "", .foreColor = 0xFFFFFF, .backColor = kLevelBack, .opaque = true, .autoSize = true, .font = kLevelFont}};
    // how long it shows at full strength, then each step of its fade
    Timer levelShown{controls, {.intervalMs = 1500}};
    Timer levelFade{controls, {.intervalMs = 30}};
};

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
