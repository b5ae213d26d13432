// Sunset and sunrise, worked out from the date and the place alone: the
// sun's centre 0.833 degrees below the horizon (refraction and the sun's
// radius), by the usual low-precision solar position formulas, which stay
// within a minute or so of published tables outside the polar circles.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace dv {

// Whether a point is on the earth: latitude within ±90, longitude ±180.
bool OnEarth(const GeoPoint& p);

struct SunDay {
    enum class Kind { Normal, PolarDay, PolarNight };
    Kind kind = Kind::Normal;
    // Minutes after 00:00 UTC of the date (may fall before or after it);
    // meaningful for a normal day only.
    double sunrise = 0, sunset = 0;
};

// The sun's day at `place` on the date `day` (days since 1970-01-01).
SunDay SunOn(std::int64_t day, const GeoPoint& place);

// A calendar date, and its days since 1970-01-01 (Gregorian calendar).
struct CivilDate {
    int year = 1970, month = 1, day = 1;
};
std::int64_t DaysFromCivil(const CivilDate& d);

}  // namespace dv
