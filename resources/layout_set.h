// Design values of the settings window, in twips.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "resources/look.h"
#include "platform/names.h"
#include "resources/texts.h"

namespace dv::layout {

// The design tables read best one control to a line.
// clang-format off

inline const FormDesign kSet{"", {names::kSetClient.width, names::kSetClient.height}, 0x404040, Frame::FixedDialog,
                             WindowState::Normal, StartUp::CentreOwner, false};

inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kCyan = 0xFFFF00;
inline constexpr Font kSong15Bold{"宋体", 15, true, 134};
inline constexpr Font kSong18Bold{"宋体", 18, true, 134};
inline constexpr Font kSong21Bold{"宋体", 21.75f, true, 134};
inline constexpr Font kSong14{"宋体", 14.25f, false, 134};

// Declared in the window's z-order, top first.
struct SetControls {
    ControlList controls;
    // turns night mode off
    CommandButton cmdExit{controls, {{2520, 1920, 3255, 615}, text::kChinese.turnOff, kCyan, kSong14}};
    // the close mark "×"
    Label Label2{controls, {{6480, 120, 420, 345}, "×", kSysButtonText, kWhite, true, false, Align::Centre, false, kSong18Bold}};
    // contact line: who makes it
    Label Label4{controls, {{2400, 2880, 3480, 240}, text::kChinese.contactAuthor, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // contact line and link to the home page
    Label Label5{controls, {{3720, 3960, 2160, 240}, text::kChinese.contactLink, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // contact line: where to report
    Label Label6{controls, {{2520, 3420, 3360, 240}, text::kChinese.contactFeedback, kWhite, 0, false, false, Align::Left, true, kSong12}};
    // the slider's knob
    Line Ly{controls, {2790, 1110, 2790, 1515, 0xC0C0C0, 10}};
    // the slider's track
    Line Lx{controls, {2160, 1290, 5625, 1290, kWhite, 20}};
    // the colour swatch
    Label lbColor{controls, {{2025, 345, 3750, 420}, text::kChinese.swatch, kWhite, names::kDefaultTint, true, true, Align::Centre, false, kSong15Bold}};
    // the brightness caption; its height is the slider's band
    Label lbLig{controls, {{945, 1065, 900, 435}, text::kChinese.light, kWhite, 0, false, false, Align::Left, true, kSong21Bold}};
    // the monitor the window edits, while each has its own level; empty else
    Label lbMonitor{controls, {{120, 75, 1800, 240}, "", kWhite, 0, false, false, Align::Left, true, kSong12}};
    // the tint caption
    Label Label1{controls, {{945, 345, 900, 435}, text::kChinese.tint, kWhite, 0, false, false, Align::Left, true, kSong21Bold}};
    CommonDialog CommonDialog1;  // the Color dialog, not drawn
};

// clang-format on

}  // namespace dv::layout
