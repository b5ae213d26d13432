// Where the sun is worked out for when the user names no place: a place
// that stands for the system's time zone.
#pragma once

#include <optional>
#include <string_view>

#include "platform/types.h"

namespace dv {

// The place that stands for the zone with this key name; nothing for a
// zone not in the list.
std::optional<GeoPoint> PlaceOfZone(std::string_view key);

}  // namespace dv
