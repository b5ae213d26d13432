#include "overlay/backlight_work.h"

#include <algorithm>

namespace dv {
namespace {

// `from` moved toward `to` by `fifths` of the way, rounded; all of it at 5.
unsigned Between(unsigned from, unsigned to, int fifths) {
    const long long a = from, b = to;
    const long long moved = (b - a) * fifths;
    return static_cast<unsigned>(a + (moved >= 0 ? moved + 2 : moved - 2) / 5);
}

unsigned Distance(unsigned a, unsigned b) { return a > b ? a - b : b - a; }

}  // namespace

void BacklightWork::Wish(std::vector<BacklightWish> wishes, bool reopen) {
    wishes_ = std::move(wishes);
    fresh_ = true;
    reopen_ = reopen_ || reopen;
}

void BacklightWork::Deliver(Lockable& lock) {
    std::vector<BacklightNews> news;
    {
        Locked held(lock);
        news.swap(news_);
    }
    for (const BacklightNews& n : news) listener_.Heard(n);
}

unsigned BacklightWork::Work(MonitorThread& thread) {
    std::vector<BacklightWish> wishes;
    bool fresh = false, reopen = false;
    {
        Locked held(thread);
        fresh = std::exchange(fresh_, false);
        reopen = std::exchange(reopen_, false);
        if (fresh) wishes = wishes_;
    }
    const std::uint64_t tick = thread.Tick();
    // The displays changed: every handle is released, and those there now
    // are opened again, each monitor keeping what was known of it.
    if (reopen) {
        for (Display& d : displays_)
            for (Panel& p : d.panels) p.panel.reset();
        if (!fresh)
            for (const Display& d : displays_) wishes.push_back(d.wish);
        fresh = true;
    }
    if (fresh) {
        std::vector<Display> kept;
        for (BacklightWish& w : wishes) {
            const std::string id = MonitorIdentity(w.monitor);
            auto old = std::find_if(displays_.begin(), displays_.end(), [&](const Display& d) {
                return MonitorIdentity(d.wish.monitor) == id;
            });
            Display& d = kept.emplace_back();
            const bool known = old != displays_.end();
            if (known) d.panels = std::move(old->panels);
            // A level picked anew is taken over the user's own, whatever
            // the monitor shows.
            if (known && old->wish.nightPercent != w.nightPercent)
                for (Panel& p : d.panels) p.usersOwn = p.dimmed = false;
            d.wish = std::move(w);
            if (!known || reopen) Open(d, std::move(d.panels), thread, tick);
        }
        displays_ = std::move(kept);  // those gone are released
    }
    unsigned wait = kIdle;
    for (Display& d : displays_)
        for (std::size_t i = 0; i < d.panels.size(); ++i) wait = std::min(wait, Step(d, i, tick));
    if (!out_.empty()) {
        {
            Locked held(thread);
            for (BacklightNews& n : out_) news_.push_back(std::move(n));
        }
        out_.clear();
        thread.TellWindows();
    }
    return wait;
}

void BacklightWork::Open(Display& d, std::vector<Panel> before, MonitorThread& thread,
                         std::uint64_t tick) {
    d.panels.clear();
    std::vector<std::unique_ptr<MonitorPanel>> opened = thread.OpenPanels(d.wish.monitor);
    for (std::size_t i = 0; i < opened.size(); ++i) {
        Panel& p = d.panels.emplace_back();
        if (i < before.size()) p = std::move(before[i]);
        p.panel = std::move(opened[i]);
        p.answers = Ask(p, tick);
    }
    TellPanels(d);
}

bool BacklightWork::Ask(Panel& p, std::uint64_t tick) {
    const auto r = p.panel->Read();
    if (!r || r->maximum <= r->minimum) {
        p.asked = tick;
        return false;
    }
    p.minimum = r->minimum;
    p.maximum = r->maximum;
    return true;
}

void BacklightWork::TellPanels(const Display& d) {
    BacklightNews news;
    news.monitor = MonitorIdentity(d.wish.monitor);
    news.count = d.panels.size();
    for (const Panel& p : d.panels) news.answering += p.answers;
    Tell(std::move(news));
}

unsigned BacklightWork::Step(Display& d, std::size_t i, std::uint64_t tick) {
    Panel& p = d.panels[i];
    const BacklightWish& w = d.wish;
    // Nothing before the windows said what the store holds.
    if (!w.storedDay || i >= w.storedDay->size()) return kIdle;
    const std::optional<unsigned> day = (*w.storedDay)[i];
    const bool night = w.nightPercent && w.fifths > 0;
    // One that did not answer is asked again now and then while there is
    // something to do (a monitor may be asleep, or waking, as it is opened).
    if (!p.answers) {
        if (!night && !day) return kIdle;
        if (tick - p.asked < kCheckMs) return static_cast<unsigned>(kCheckMs - (tick - p.asked));
        if (!Ask(p, tick)) return static_cast<unsigned>(kCheckMs);
        p.answers = true;
        TellPanels(d);
    }
    if (!night) return ToDay(d, i, tick);
    if (day) return ToNight(d, i, *day, tick);
    // The day level goes to the store first, so that no end of the program
    // leaves the monitor lower for good; until it is stored, nothing more.
    if (p.dayReported) return kIdle;
    const auto r = p.panel->Read();
    if (!r) return static_cast<unsigned>(kRetryMs);
    p.dayReported = true;
    BacklightNews news;
    news.kind = BacklightNews::Kind::DayRead;
    news.monitor = MonitorIdentity(w.monitor);
    news.panel = i;
    news.level = r->current;
    Tell(std::move(news));
    return kIdle;
}

// Back to the stored day level; with none stored, the monitor was not set
// lower (or is back already).
unsigned BacklightWork::ToDay(Display& d, std::size_t i, std::uint64_t tick) {
    Panel& p = d.panels[i];
    p.usersOwn = false;
    p.dayReported = false;
    const std::optional<unsigned> day = (*d.wish.storedDay)[i];
    if (!day) return kIdle;
    if (const auto wait = WriteWhenDue(p, *day, tick, false)) return *wait;
    if (p.written != day) return kIdle;
    BacklightNews news;
    news.kind = BacklightNews::Kind::AtDay;
    news.monitor = MonitorIdentity(d.wish.monitor);
    news.panel = i;
    Tell(std::move(news));
    return kIdle;
}

// Night's level never stands above the day level: it is darker, or the same.
unsigned BacklightWork::ToNight(Display& d, std::size_t i, unsigned day, std::uint64_t tick) {
    Panel& p = d.panels[i];
    if (p.usersOwn) return kIdle;
    const int percent = std::clamp(*d.wish.nightPercent, 0, 100);
    const unsigned night = std::min(
        day, p.minimum + ((p.maximum - p.minimum) * static_cast<unsigned>(percent) + 50) / 100);
    const unsigned target = Between(day, night, std::min(d.wish.fifths, 5));
    if (p.written == target && p.dimmed) {
        // Read back now and then: the monitor's own buttons win for the night.
        const std::uint64_t since = tick - p.lastCheck;
        if (since < kCheckMs) return static_cast<unsigned>(kCheckMs - since);
        p.lastCheck = tick;
        const auto r = p.panel->Read();
        if (r && Distance(r->current, *p.written) > kUsersChange) {
            p.usersOwn = true;
            return kIdle;
        }
        return static_cast<unsigned>(kCheckMs);
    }
    if (const auto wait = WriteWhenDue(p, target, tick, true)) return *wait;
    return p.usersOwn ? kIdle : static_cast<unsigned>(kCheckMs);
}

// A level is written once it has stood for kWriteGapMs, and no sooner than
// that after the last write.
std::optional<unsigned> BacklightWork::WriteWhenDue(Panel& p, unsigned target, std::uint64_t tick,
                                                    bool night) {
    if (p.written == target && p.dimmed == night) {
        p.pending.reset();
        return std::nullopt;
    }
    if (p.pending != target) {
        p.pending = target;
        p.pendingSince = tick;
    }
    std::uint64_t due = p.pendingSince + kWriteGapMs;
    if (p.lastWrite) due = std::max(due, *p.lastWrite + kWriteGapMs);
    if (tick < due) return static_cast<unsigned>(due - tick);
    // Read back first: at night, a value the user moved is theirs; and a
    // monitor already there (after a restart, say) is not written again.
    const auto r = p.panel->Read();
    if (!r) return static_cast<unsigned>(kRetryMs);
    if (night && p.dimmed && p.written && Distance(r->current, *p.written) > kUsersChange) {
        p.usersOwn = true;
        return std::nullopt;
    }
    if (r->current != target) {
        // One the monitor did not take is tried again a while later.
        if (!p.panel->Write(target)) return static_cast<unsigned>(kRetryMs);
        p.lastWrite = tick;
    }
    p.written = target;
    p.dimmed = night;
    p.pending.reset();
    p.lastCheck = tick;
    return std::nullopt;
}

}  // namespace dv
