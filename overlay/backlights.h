// The monitors' own brightness at night, as the windows' thread keeps it:
// the level the user chose, each monitor's day level in the store, and the
// thread that talks to the monitors, started once a level is chosen.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "overlay/backlight_work.h"
#include "platform/platform.h"
#include "settings/store.h"

namespace dv {

class Backlights final : private BacklightWork::Listener {
   public:
    Backlights(Platform& host, Store& store) : host_(host), store_(store) {}
    Backlights(const Backlights&) = delete;
    Backlights& operator=(const Backlights&) = delete;

    // "Backlight", as stored now.
    void Read() { level_ = store_.ReadBacklight(); }
    // Night's level in percent, none for leaving the monitors as they are.
    std::optional<int> Level() const { return level_; }
    // Stores a level first; false when the store refused it. The monitors
    // follow it at the next Follow.
    bool SetLevel(std::optional<int> percent);

    // Where night shows now on each display, in fifths of the way from day
    // to night (0: day); `covered`: it has a layer. `changed`: the displays
    // changed, and their monitors are opened again.
    struct Showing {
        Monitor monitor;
        bool covered = false;
        int fifths = 0;
    };
    void Follow(std::vector<Showing> displays, bool changed);
    // Some monitor answered since a level was chosen.
    bool AnyAnswers() const;
    // Every monitor back at its day level, waiting at most `ms` for it; no
    // monitor is set lower afterwards.
    void ReturnToDay(unsigned ms);

   private:
    void Heard(const BacklightNews& news) override;
    void Send(bool reopen);

    // What is known of a display's physical monitors: how many there are
    // and answer, once the thread said, and the day levels in the store.
    struct Known {
        bool counted = false;
        std::size_t answering = 0;
        std::vector<std::optional<unsigned>> day;
        std::optional<bool> dayStored;  // of the first, before they are counted
    };

    Platform& host_;
    Store& store_;
    std::optional<int> level_;
    std::vector<Showing> showing_;
    Known& KnownOf(const std::string& id);
    std::vector<std::pair<std::string, Known>> known_;
    std::vector<BacklightWish> sent_;
    bool ending_ = false;
    BacklightWork* work_ = nullptr;          // the worker's
    std::unique_ptr<MonitorWorker> worker_;  // goes first: no news after
};

}  // namespace dv
