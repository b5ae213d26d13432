#include "overlay/tray_menu.h"

#include "resources/texts.h"

namespace dv::menu {

bool Offered(const Schedule& s) {
    for (const OfferedSpan& o : kOffered)
        if (o.span == s) return true;
    return false;
}

std::optional<Schedule> ScheduleOf(int command, const Schedule& own) {
    if (command == kNoSchedule) return Schedule{};
    if (command == kSun) return Schedule{Schedule::Kind::Sun};
    if (command == kStoredSpan && own.kind == Schedule::Kind::Span) return own;
    for (const OfferedSpan& o : kOffered)
        if (o.command == command) return o.span;
    return std::nullopt;
}

std::string SpanText(int from, int to) {
    return ClockText(from) + text::kMenuSpanDash + ClockText(to);
}

}  // namespace dv::menu
