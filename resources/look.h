// Colours and fonts that the windows share.
#pragma once

#include "platform/controls.h"

namespace dv::layout {

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;  // the contact link under the pointer
// The contact lines.
inline constexpr Font kSong12{"宋体", 12, false, 134};
// The hot-key dialog, at the system's own dialog size.
inline constexpr Font kSong9{"宋体", 9, false, 134};

}  // namespace dv::layout
