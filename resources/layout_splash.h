// Design values of the splash window, in twips.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "resources/look.h"
#include "platform/names.h"
#include "resources/texts.h"

namespace dv::layout {

// The design tables read best one control to a line.
// clang-format off

inline const FormDesign kSplash{"", {names::kSplashClient.width, names::kSplashClient.height}, 0x000000, Frame::FixedDialog,
                                WindowState::Normal, StartUp::CentreScreen, false};

inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Font kHei21{"黑体", 21.75f, true, 134};
inline constexpr Font kHei21Regular{"黑体", 21.75f, false, 134};
inline constexpr Font kSong48{"宋体", 48, true, 134};

// Declared in the window's z-order, top first.
struct SplashControls {
    ControlList controls;
    Label title{controls, {.rect = {285, 360, 5955, 435}, .caption = "Duskveil V4.0", .foreColor = kGreen, .backColor = 0, .font = kHei21}};
    Label slogan{controls, {.rect = {1455, 1080, 0, 0}, .caption = text::DesignTexts().slogan, .foreColor = kGreen, .backColor = 0, .autoSize = true, .font = kHei21Regular}};
    Label countdown{controls, {.rect = {1560, 1920, 495, 960}, .caption = "5", .foreColor = kGreen, .backColor = 0, .autoSize = true, .font = kSong48}};
    Label author{controls, {.rect = {2520, 2040, 3480, 240}, .caption = text::DesignTexts().contactAuthor, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label feedback{controls, {.rect = {2640, 2520, 3360, 240}, .caption = text::DesignTexts().contactFeedback, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label homeLink{controls, {.rect = {3840, 3000, 2160, 240}, .caption = text::DesignTexts().contactLink, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label usageNote{controls, {.rect = {1440, 3600, 0, 0}, .caption = text::DesignTexts().usage, .foreColor = kGreen, .backColor = 0, .autoSize = true, .font = kSong12}};
    Timer countdownClock{controls, {.intervalMs = 1000, .enabled = true}};
};

// clang-format on

}  // namespace dv::layout
