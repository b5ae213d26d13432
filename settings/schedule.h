// When night mode shows by itself: not at all times, but between sunset and
// sunrise or between two times of the local clock, fading in and out over
// the twenty minutes after each change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "settings/sun.h"

namespace dv {

struct Schedule {
    enum class Kind { None, Sun, Span };
    Kind kind = Kind::None;
    // A span's start and end in minutes after local midnight; the span may
    // run past midnight.
    int from = 0, to = 0;
    bool operator==(const Schedule&) const = default;
};

// The stored text: "sun", "HH:MM-HH:MM" on the 24-hour clock, anything else
// (two equal times too) no schedule.
Schedule ParseSchedule(std::string_view text);
// The text that stores `s`: "0" for none.
std::string ScheduleText(const Schedule& s);
// "HH:MM" for minutes after midnight.
std::string ClockText(int minutes);

// Where "sun" works without a place of its own: this span.
inline constexpr Schedule kNightWithoutPlace{Schedule::Kind::Span, 21 * 60, 7 * 60};

// Decimal degrees as stored: an optional sign, digits, an optional "." and
// more digits, blanks around; nothing for anything else.
std::optional<double> ParseDegrees(std::string_view text);

// How far into the night `now` is, in seconds of the fade: 0 by day,
// kFadeSeconds deep in the night, between while a fade runs. It depends on
// the time alone, so a changed clock is followed at once.
inline constexpr int kFadeSeconds = 20 * 60;
int NightProgress(const Schedule& s, const WallClock& now, const std::optional<GeoPoint>& place);

// When the night that `now` is in, or the next one, is over, in local
// seconds since 1970: the end of the schedule's fade into the day (a night
// whose fade has begun counts until it has ended), else (no schedule, or a
// polar night) the next 07:00.
std::int64_t NextMorning(const Schedule& s, const WallClock& now,
                         const std::optional<GeoPoint>& place);

// Today's local sunset and sunrise in minutes after local midnight, for the
// menu; nothing on a polar day or night.
struct LocalSunTimes {
    int sunset = 0, sunrise = 0;
};
std::optional<LocalSunTimes> TodaysSun(const WallClock& now, const GeoPoint& place);

}  // namespace dv
