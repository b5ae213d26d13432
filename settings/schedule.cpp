#include "settings/schedule.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dv {
namespace {

constexpr std::int64_t kDay = 86400;

std::string_view Trim(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "H:MM" or "HH:MM", 00:00 to 23:59.
std::optional<int> ParseClock(std::string_view t) {
    const std::size_t colon = t.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || t.size() != colon + 3)
        return std::nullopt;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (i != colon && !IsDigit(t[i])) return std::nullopt;
    int hours = 0;
    for (std::size_t i = 0; i < colon; ++i) hours = hours * 10 + (t[i] - '0');
    const int minutes = (t[colon + 1] - '0') * 10 + (t[colon + 2] - '0');
    if (hours > 23 || minutes > 59) return std::nullopt;
    return hours * 60 + minutes;
}

std::int64_t Round(double x) { return static_cast<std::int64_t>(std::floor(x + 0.5)); }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0)); }

// One change of the schedule: the moment (local seconds since 1970) and
// whether night begins or ends there.
struct Change {
    std::int64_t at;
    bool night;
    bool wholeDay = false;  // a polar day or night, from this midnight on
};

// The changes of the local days around `today`.
std::vector<Change> Changes(const Schedule& s, std::int64_t today, int offsetMinutes,
                            const std::optional<GeoPoint>& place) {
    std::vector<Change> changes;
    for (std::int64_t day = today - 2; day <= today; ++day) {
        const std::int64_t midnight = day * kDay;
        if (s.kind == Schedule::Kind::Span) {
            changes.push_back({midnight + s.from * 60, true});
            changes.push_back({midnight + s.to * 60, false});
            continue;
        }
        const SunDay sun = SunOn(day, *place);
        if (sun.kind != SunDay::Kind::Normal) {
            // A day the sun stays up or down: it is that from its start on.
            changes.push_back({midnight, sun.kind == SunDay::Kind::PolarNight, true});
            continue;
        }
        const auto local = [&](double utcMinutes) {
            return midnight + Round(utcMinutes * 60) + offsetMinutes * 60;
        };
        changes.push_back({local(sun.sunrise), false});
        changes.push_back({local(sun.sunset), true});
    }
    // A day the sun stays up or down is that all day: a sunset of the day
    // before that falls after its midnight does not count.
    std::vector<std::int64_t> wholeDays;
    for (const Change& c : changes)
        if (c.wholeDay) wholeDays.push_back(c.at);
    std::erase_if(changes, [&wholeDays](const Change& c) {
        for (std::int64_t midnight : wholeDays)
            if (!c.wholeDay && c.at >= midnight && c.at < midnight + kDay) return true;
        return false;
    });
    // In time order, changes at the same moment as they came (a handful:
    // sorted in place, with no buffer to allocate).
    for (std::size_t i = 1; i < changes.size(); ++i)
        for (std::size_t j = i; j > 0 && changes[j].at < changes[j - 1].at; --j)
            std::swap(changes[j], changes[j - 1]);
    return changes;
}

}  // namespace

Schedule ParseSchedule(std::string_view text) {
    text = Trim(text);
    if (text == "sun") return {Schedule::Kind::Sun};
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return {};
    const auto from = ParseClock(Trim(text.substr(0, dash)));
    const auto to = ParseClock(Trim(text.substr(dash + 1)));
    if (!from || !to || *from == *to) return {};
    return {Schedule::Kind::Span, *from, *to};
}

std::string ClockText(int minutes) {
    const int h = minutes / 60, m = minutes % 60;
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':',
            static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10)};
}

std::string ScheduleText(const Schedule& s) {
    switch (s.kind) {
        case Schedule::Kind::Sun:
            return "sun";
        case Schedule::Kind::Span:
            return ClockText(s.from) + "-" + ClockText(s.to);
        default:
            return "0";
    }
}

std::optional<double> ParseDegrees(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0, scale = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.' && scale == 0) {
            scale = 1;
            continue;
        }
        if (!IsDigit(c) || ++digits > 12) return std::nullopt;
        if (scale == 0) {
            value = value * 10 + (c - '0');
        } else {
            scale /= 10;
            value += (c - '0') * scale;
        }
    }
    if (digits == 0) return std::nullopt;
    return negative ? -value : value;
}

int NightProgress(const Schedule& schedule, const WallClock& now,
                  const std::optional<GeoPoint>& place) {
    if (schedule.kind == Schedule::Kind::None) return kFadeSeconds;
    const Schedule s =
        schedule.kind == Schedule::Kind::Sun && !place ? kNightWithoutPlace : schedule;
    const std::int64_t local = now.Local();
    const std::vector<Change> changes = Changes(s, FloorDiv(local, kDay), now.offsetMinutes, place);
    // The last change before now that really changed something: a polar
    // night following a night changes nothing, and starts no fade.
    std::optional<Change> last;
    bool night = !changes.empty() && !changes.front().night;
    for (const Change& c : changes) {
        if (c.at > local) break;
        if (c.night == night) continue;
        night = c.night;
        last = c;
    }
    if (!last) return night ? kFadeSeconds : 0;
    const auto since = static_cast<int>(std::min<std::int64_t>(local - last->at, kFadeSeconds));
    return last->night ? since : kFadeSeconds - since;
}

std::int64_t NextMorning(const Schedule& schedule, const WallClock& now,
                         const std::optional<GeoPoint>& place) {
    const std::int64_t local = now.Local();
    const std::int64_t today = FloorDiv(local, kDay);
    if (schedule.kind != Schedule::Kind::None) {
        const Schedule s =
            schedule.kind == Schedule::Kind::Sun && !place ? kNightWithoutPlace : schedule;
        // Tomorrow's changes and the day after's, with the days before them.
        for (const std::int64_t day : {today + 1, today + 2})
            for (const Change& c : Changes(s, day, now.offsetMinutes, place))
                if (!c.night && c.at + kFadeSeconds > local) return c.at + kFadeSeconds;
    }
    const std::int64_t seven = today * kDay + 7 * 3600;
    return seven > local ? seven : seven + kDay;
}

std::optional<LocalSunTimes> TodaysSun(const WallClock& now, const GeoPoint& place) {
    const std::int64_t day = FloorDiv(now.Local(), kDay);
    const SunDay sun = SunOn(day, place);
    if (sun.kind != SunDay::Kind::Normal) return std::nullopt;
    const auto local = [&](double utcMinutes) {
        const std::int64_t m = Round(utcMinutes) + now.offsetMinutes;
        return static_cast<int>(((m % 1440) + 1440) % 1440);
    };
    return LocalSunTimes{local(sun.sunset), local(sun.sunrise)};
}

}  // namespace dv
