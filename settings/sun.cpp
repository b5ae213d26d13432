#include "settings/sun.h"

#include <cmath>

namespace dv {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;
// The Julian day of 1970-01-01 at 00:00 UTC.
constexpr double kJulianEpoch = 2440587.5;
// The sun's centre at sunrise and sunset, from the zenith.
constexpr double kZenith = 90.833;

struct SunPosition {
    double declination;   // degrees
    double equationOfTime;  // minutes
};

// The sun at a moment given in Julian centuries from J2000.0.
SunPosition SunAt(double t) {
    const double l0 = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double m = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double c = std::sin(m * kRad) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                     std::sin(2 * m * kRad) * (0.019993 - 0.000101 * t) +
                     std::sin(3 * m * kRad) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * kRad);
    const double obliquity0 =
        23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = obliquity0 + 0.00256 * std::cos(omega * kRad);
    const double declination =
        std::asin(std::sin(obliquity * kRad) * std::sin(lambda * kRad)) / kRad;
    const double half = std::tan(obliquity * kRad / 2);
    const double y = half * half;
    const double eot = y * std::sin(2 * l0 * kRad) - 2 * e * std::sin(m * kRad) +
                       4 * e * y * std::sin(m * kRad) * std::cos(2 * l0 * kRad) -
                       0.5 * y * y * std::sin(4 * l0 * kRad) -
                       1.25 * e * e * std::sin(2 * m * kRad);
    return {declination, 4 * eot / kRad};
}

double Centuries(std::int64_t day, double minutes) {
    return (kJulianEpoch + static_cast<double>(day) + minutes / 1440 - 2451545.0) / 36525;
}

// The cosine of the hour angle at which the sun stands at the zenith angle.
double HourAngleCosine(double latitude, double declination) {
    return std::cos(kZenith * kRad) / (std::cos(latitude * kRad) * std::cos(declination * kRad)) -
           std::tan(latitude * kRad) * std::tan(declination * kRad);
}

// Sunrise (`sign` 1) or sunset (-1) in minutes after 00:00 UTC, the sun's
// position taken again at the time found, until it settles.
double Crossing(std::int64_t day, const GeoPoint& p, double start, int sign) {
    double minutes = start;
    for (int i = 0; i < 3; ++i) {
        const SunPosition s = SunAt(Centuries(day, minutes));
        const double cosH = HourAngleCosine(p.latitude, s.declination);
        const double h = std::acos(cosH < -1 ? -1 : cosH > 1 ? 1 : cosH) / kRad;
        minutes = 720 - 4 * (p.longitude + sign * h) - s.equationOfTime;
    }
    return minutes;
}

}  // namespace

bool OnEarth(const GeoPoint& p) {
    return std::fabs(p.latitude) <= 90 && std::fabs(p.longitude) <= 180;
}

SunDay SunOn(std::int64_t day, const GeoPoint& place) {
    // Polar circles aside, the poles themselves have no usable hour angle.
    GeoPoint p = place;
    p.latitude = p.latitude < -89.99 ? -89.99 : p.latitude > 89.99 ? 89.99 : p.latitude;
    const double noonGuess = 720 - 4 * p.longitude;
    const SunPosition atNoon = SunAt(Centuries(day, noonGuess));
    const double noon = 720 - 4 * p.longitude - atNoon.equationOfTime;
    const double cosH = HourAngleCosine(p.latitude, SunAt(Centuries(day, noon)).declination);
    if (cosH > 1) return {SunDay::Kind::PolarNight};
    if (cosH < -1) return {SunDay::Kind::PolarDay};
    return {SunDay::Kind::Normal, Crossing(day, p, noon, 1), Crossing(day, p, noon, -1)};
}

// Days from the date, counted in 400-year eras of the Gregorian calendar
// with the year taken to start on 1 March, so that leap days fall last.
std::int64_t DaysFromCivil(const CivilDate& d) {
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * ((d.month + 9) % 12) + 2) / 5 + d.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace dv
