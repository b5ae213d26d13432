#include "settings/warmth.h"

#include <algorithm>

#include "platform/names.h"

namespace dv {

Colour WarmthTint(const Warmth& w) {
    // The default tint's brightest channel: its green.
    constexpr unsigned kTop = (names::kDefaultTint >> 8) & 0xFF;
    const unsigned top = std::max({w.red, w.green, w.blue});
    const auto scaled = [&](unsigned channel) { return (channel * kTop * 2 + top) / (top * 2); };
    return scaled(w.red) | scaled(w.green) << 8 | scaled(w.blue) << 16;
}

}  // namespace dv
