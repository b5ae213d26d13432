// Colours and fonts that the windows share.
#pragma once

#include "platform/controls.h"

namespace dv::layout {

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;  // the contact link under the pointer
// The contact lines.
inline constexpr Font kSong12{"宋体", 12, false, 134};

// English texts take the system's Latin interface face (from Vista on) at
// the size and weight the Chinese have.
constexpr Font Latin(const Font& chinese) { return {"Segoe UI", chinese.points, chinese.bold, 1}; }

}  // namespace dv::layout
