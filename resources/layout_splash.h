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
    // the title
    Label Label1{controls, {{285, 360, 5955, 435}, "Duskveil V4.0", kGreen, 0, false, false, Align::Left, false, kHei21}};
    // the slogan
    Label Label2{controls, {{1455, 1080, 0, 0}, text::kChinese.slogan, kGreen, 0, false, false, Align::Left, true, kHei21Regular}};
    // the countdown digit
    Label lbTime{controls, {{1560, 1920, 495, 960}, "5", kGreen, 0, false, false, Align::Left, true, kSong48}};
    // contact line: who makes it
    Label Label4{controls, {{2520, 2040, 3480, 240}, text::kChinese.contactAuthor, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // contact line: where to report
    Label Label6{controls, {{2640, 2520, 3360, 240}, text::kChinese.contactFeedback, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // contact line and link to the home page
    Label Label5{controls, {{3840, 3000, 2160, 240}, text::kChinese.contactLink, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // the usage note
    Label Label3{controls, {{1440, 3600, 0, 0}, text::kChinese.usage, kGreen, 0, false, false, Align::Left, true, kSong12}};
    Timer Timer1{controls, 1000, true};  // the countdown clock
};

// clang-format on

}  // namespace dv::layout
