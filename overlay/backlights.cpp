#include "overlay/backlights.h"

#include <algorithm>

namespace dv {

bool Backlights::SetLevel(std::optional<int> percent) {
    if (!store_.SetBacklight(percent)) return false;
    level_ = percent;
    return true;
}

void Backlights::Follow(std::vector<Showing> displays, bool changed) {
    showing_ = std::move(displays);
    if (changed) known_.clear();
    Send(changed);
}

bool Backlights::AnyAnswers() const {
    return std::any_of(known_.begin(), known_.end(),
                       [](const auto& k) { return k.second.answering > 0; });
}

Backlights::Known& Backlights::KnownOf(const std::string& id) {
    for (auto& [known, k] : known_)
        if (known == id) return k;
    return known_.emplace_back(id, Known{}).second;
}

void Backlights::ReturnToDay(unsigned ms) {
    ending_ = true;
    Send(false);
    if (worker_) worker_->WaitIdle(ms);
}

// A display is the thread's while a level is chosen and it has a layer,
// and while the store holds a day level of it: one this program set lower
// and has to bring back, also after "leave as it is" or an end it did not
// see. No monitor is asked anything else.
void Backlights::Send(bool reopen) {
    std::vector<BacklightWish> wishes;
    for (const Showing& s : showing_) {
        const std::string id = MonitorIdentity(s.monitor);
        Known& k = KnownOf(id);
        if (!k.counted && !k.dayStored) k.dayStored = store_.ReadDayBacklight(id, 0).has_value();
        const bool stored = k.counted ? std::any_of(k.day.begin(), k.day.end(),
                                                    [](const auto& d) { return d.has_value(); })
                                      : *k.dayStored;
        const bool chosen = level_ && s.covered && !ending_;
        if (!chosen && !stored) continue;
        BacklightWish& w = wishes.emplace_back();
        w.monitor = s.monitor;
        w.nightPercent = ending_ ? std::nullopt : level_;
        w.fifths = chosen ? s.fifths : 0;
        if (k.counted) w.storedDay = k.day;
    }
    if (!worker_) {
        if (wishes.empty()) return;
        auto work = std::make_unique<BacklightWork>(static_cast<BacklightWork::Listener&>(*this));
        work_ = work.get();
        worker_ = host_.StartMonitorWorker(std::move(work));
    }
    if (wishes == sent_ && !reopen) return;
    sent_ = wishes;
    {
        Locked held(*worker_);
        work_->Wish(std::move(wishes), reopen);
    }
    worker_->Wake();
}

void Backlights::Heard(const BacklightNews& news) {
    Known& k = KnownOf(news.monitor);
    switch (news.kind) {
        case BacklightNews::Kind::Panels:
            k.counted = true;
            k.answering = news.answering;
            k.day.clear();
            for (std::size_t i = 0; i < news.count; ++i)
                k.day.push_back(store_.ReadDayBacklight(news.monitor, i));
            break;
        case BacklightNews::Kind::DayRead:
            // A level the store refused: that monitor is not set lower.
            if (news.panel >= k.day.size() ||
                !store_.SetDayBacklight(news.monitor, news.panel, news.level))
                return;
            k.day[news.panel] = news.level;
            break;
        case BacklightNews::Kind::AtDay: {
            // Night again meanwhile: the day level stays stored, for the
            // thread to go on from.
            const auto now = std::find_if(sent_.begin(), sent_.end(), [&](const BacklightWish& w) {
                return MonitorIdentity(w.monitor) == news.monitor;
            });
            if (now != sent_.end() && now->nightPercent && now->fifths > 0) return;
            if (news.panel >= k.day.size() || !store_.DeleteDayBacklight(news.monitor, news.panel))
                return;
            k.day[news.panel].reset();
            break;
        }
    }
    Send(false);
}

}  // namespace dv
