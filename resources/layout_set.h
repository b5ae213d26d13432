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
    CommandButton turnOff{controls, {.rect = {2520, 1920, 3255, 615}, .caption = text::DesignTexts().turnOff, .backColor = kCyan, .font = kSong14}};
    Label closeMark{controls, {.rect = {6480, 120, 420, 345}, .caption = "×", .foreColor = kSysButtonText, .backColor = kWhite, .opaque = true, .align = Align::Centre, .font = kSong18Bold}};
    Label author{controls, {.rect = {2400, 2880, 3480, 240}, .caption = text::DesignTexts().contactAuthor, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label homeLink{controls, {.rect = {3720, 3960, 2160, 240}, .caption = text::DesignTexts().contactLink, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label feedback{controls, {.rect = {2520, 3420, 3360, 240}, .caption = text::DesignTexts().contactFeedback, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Line sliderKnob{controls, {.x1 = 2790, .y1 = 1110, .x2 = 2790, .y2 = 1515, .color = 0xC0C0C0, .widthPx = 10}};
    Line sliderTrack{controls, {.x1 = 2160, .y1 = 1290, .x2 = 5625, .y2 = 1290, .color = kWhite, .widthPx = 20}};
    Label swatch{controls, {.rect = {2025, 345, 3750, 420}, .caption = text::DesignTexts().swatch, .foreColor = kWhite, .backColor = names::kDefaultTint, .opaque = true, .border = true, .align = Align::Centre, .font = kSong15Bold}};
    // its height is the slider's band
    Label lightCaption{controls, {.rect = {945, 1065, 900, 435}, .caption = text::DesignTexts().light, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong21Bold}};
    // while each monitor has its own level; empty else
    Label monitorName{controls, {.rect = {120, 75, 1800, 240}, .caption = "", .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong12}};
    Label tintCaption{controls, {.rect = {945, 345, 900, 435}, .caption = text::DesignTexts().tint, .foreColor = kWhite, .backColor = 0, .autoSize = true, .font = kSong21Bold}};
    CommonDialog colourDialog;  // the Color dialog, not drawn
};

// clang-format on

}  // namespace dv::layout
