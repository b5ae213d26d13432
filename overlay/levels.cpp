#include "overlay/levels.h"

#include <algorithm>

#include "settings/slider.h"

namespace dv {
namespace {

// What is stored for `monitor` (none: the shared ones), value by value:
// nothing stored gives `absent`'s, a value that does not read `unread`'s.
Level ReadLevel(Store& store, const std::string& monitor, const Level& absent,
                const Level& unread) {
    return {store.Strength(monitor).Or(absent.strength, unread.strength),
            store.Tint(monitor).Or(absent.tint, unread.tint)};
}

}  // namespace

// A monitor's own that the user has not changed are read again when next
// seen: one with nothing stored starts from the shared ones as they are then.
void Levels::SetPerMonitor(bool on) {
    perMonitor_ = on;
    std::erase_if(own_, [](const Kept& kept) { return !kept.changed; });
}

void Levels::Read(const Level& unread) {
    const Level defaults{Store::kDefaultStrength, Store::kDefaultTint};
    shared_.level = ReadLevel(store_, {}, defaults, unread);
}

// A monitor seen first has what is stored for it, value by value, else the
// shared ones.
Levels::Kept& Levels::Find(const std::string& monitor) {
    if (!perMonitor_ || monitor.empty()) return shared_;
    for (Kept& kept : own_)
        if (kept.monitor == monitor) return kept;
    const Level level = ReadLevel(store_, monitor, shared_.level, shared_.level);
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
    NotStored refused;
    refused.strength = !store_.SetStrength(kept.monitor, kept.level.strength);
    if (tintToo) refused.tint = !store_.SetTint(kept.monitor, kept.level.tint);
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
