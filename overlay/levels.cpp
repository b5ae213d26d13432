#include "overlay/levels.h"

#include <algorithm>

#include "overlay/monitors.h"
#include "resources/names.h"
#include "settings/convert.h"
#include "settings/slider.h"

namespace dv {
namespace {

// Where a monitor's own are kept: a key of its own under the monitors' key.
std::string SectionOf(const std::string& monitor) {
    if (monitor.empty()) return names::kSection;
    return std::string(names::kMonitorsSection) + "\\" + MonitorKeyName(monitor);
}

// What is stored in `section`, value by value: nothing stored gives
// `absent`'s, a value that does not convert (or a colour the window would
// not take) `unread`'s.
Level ReadLevel(Platform& host, const std::string& section, const Level& absent,
                const Level& unread) {
    Level level = unread;
    const StoredText alpha = host.GetSetting(names::kAppName, section, names::kKeyAlpha);
    if (alpha.kind == StoredText::Kind::Absent) level.strength = absent.strength;
    if (alpha.kind == StoredText::Kind::Text) {
        if (const auto strength = TextToByte(alpha.text)) level.strength = *strength;
    }
    const StoredText colour = host.GetSetting(names::kAppName, section, names::kKeyColour);
    if (colour.kind == StoredText::Kind::Absent) level.tint = absent.tint;
    if (colour.kind == StoredText::Kind::Text) {
        const auto tint = TextToLng(colour.text);
        if (tint && IsWindowColour(static_cast<Colour>(*tint)))
            level.tint = static_cast<Colour>(*tint);
    }
    return level;
}

}  // namespace

// A monitor's own that the user has not changed are read again when next
// seen: one with nothing stored starts from the shared ones as they are then.
void Levels::SetPerMonitor(bool on) {
    perMonitor_ = on;
    std::erase_if(own_, [](const Kept& kept) { return !kept.changed; });
}

void Levels::Read(const Level& unread) {
    const Level defaults{names::kDefaultAlpha, names::kDefaultTint};
    shared_.level = ReadLevel(host_, names::kSection, defaults, unread);
}

// A monitor seen first has what is stored for it, value by value, else the
// shared ones.
Levels::Kept& Levels::Find(const std::string& monitor) {
    if (!perMonitor_ || monitor.empty()) return shared_;
    for (Kept& kept : own_)
        if (kept.monitor == monitor) return kept;
    const Level level = ReadLevel(host_, SectionOf(monitor), shared_.level, shared_.level);
    return own_.emplace_back(Kept{monitor, level});
}

void Levels::SetStrength(const std::string& monitor, int alpha) {
    Kept& kept = Find(monitor);
    kept.level.strength = InSliderRange(alpha);
    kept.changed = true;
}

void Levels::Step(const std::string& monitor, int step) {
    Kept& kept = Find(monitor);
    const std::uint8_t now = kept.level.strength;
    kept.level.strength =
        step > 0 ? std::max(now, InSliderRange(now + step)) : InSliderRange(now + step);
    kept.changed = true;
}

void Levels::SetTint(const std::string& monitor, Colour tint) {
    Kept& kept = Find(monitor);
    kept.level.tint = tint;
    kept.changed = true;
}

NotStored Levels::Write(const Kept& kept, bool tintToo) {
    const std::string section = SectionOf(kept.monitor);
    NotStored refused;
    refused.strength = !host_.SaveSetting(names::kAppName, section, names::kKeyAlpha,
                                          LngToText(kept.level.strength));
    if (tintToo)
        refused.tint = !host_.SaveSetting(names::kAppName, section, names::kKeyColour,
                                          LngToText(static_cast<std::int32_t>(kept.level.tint)));
    return refused;
}

// The shared ones are written while the monitors share them, as always, and
// when the user changed them before each monitor had its own.
void Levels::SaveStrength() {
    if (!perMonitor_ || shared_.changed) Write(shared_, false);
    for (const Kept& kept : own_)
        if (kept.changed) Write(kept, false);
}

// A value the store refused stays to be written at the next save.
NotStored Levels::Save() {
    NotStored all;
    const auto save = [&](Kept& kept) {
        const NotStored refused = Write(kept, true);
        if (!refused.strength && !refused.tint) kept.changed = false;
        all |= refused;
    };
    if (!perMonitor_ || shared_.changed) save(shared_);
    for (Kept& kept : own_)
        if (kept.changed) save(kept);
    return all;
}

}  // namespace dv
