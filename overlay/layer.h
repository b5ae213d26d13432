// What makes a window a night layer, for the overlay and its companions
// alike: top-most, the alpha, transparent to the mouse, and, where the system
// allows it, kept out of screenshots.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace dv {

// Makes the window layered and gives it the colour key, alpha and flags.
void SetLayeredAlpha(Platform& host, Handle hWnd, Colour crKey, std::uint8_t bAlpha,
                     std::uint32_t dwFlags);

// Top-most (never activated), then the alpha, then layered and
// click-through, each call reading the handle afresh from the window.
void MakeNightLayer(Platform& host, Form& window, std::uint8_t alpha);

// Before Windows 10 version 2004 (build 19041) the capture exclusion turns a
// window black in captures instead, so it is never asked for there.
bool MayExcludeFromCapture(const OsVersion& os);

// Keeps the window out of captures, or lets it in again. A refusal (Wine has
// no such call) leaves everything as it was.
void SetCaptureExclusion(Platform& host, Handle hWnd, const OsVersion& os, bool hide);

}  // namespace dv
