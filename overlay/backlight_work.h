// What the monitor thread does with the monitors' own brightness: it takes
// the windows' newest wish for each display, reads each physical monitor's
// range and day level, and writes at most once a second to each, never the
// value it wrote last, never over the user's own change at night.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "overlay/monitors.h"
#include "platform/monitor_worker.h"

namespace dv {

// What the windows' thread wishes for one display's monitors now.
struct BacklightWish {
    Monitor monitor;
    // Night's level in percent of each monitor's range; none: leave it.
    std::optional<int> nightPercent;
    // How far toward that level, in fifths: 0 the day level, 5 night's.
    int fifths = 0;
    // The day level the store holds for each physical monitor, once their
    // number is known (BacklightNews::Kind::Panels); none before. A monitor
    // is set lower only once its day level is stored.
    std::optional<std::vector<std::optional<unsigned>>> storedDay;
    bool operator==(const BacklightWish& o) const {
        return MonitorIdentity(monitor) == MonitorIdentity(o.monitor) &&
               nightPercent == o.nightPercent && fifths == o.fifths && storedDay == o.storedDay;
    }
};

// What the thread tells the windows' thread.
struct BacklightNews {
    enum class Kind {
        Panels,   // `count` physical monitors, `answering` of them answer
        DayRead,  // monitor `panel` stands at `level` by day: to be stored
        AtDay     // monitor `panel` is back at its stored day level
    };
    Kind kind = Kind::Panels;
    std::string monitor;  // the display's identity (MonitorIdentity)
    std::size_t panel = 0, count = 0, answering = 0;
    unsigned level = 0;
};

class BacklightWork final : public MonitorWork {
   public:
    // What hears the news, on the windows' thread.
    class Listener {
       public:
        virtual void Heard(const BacklightNews& news) = 0;

       protected:
        ~Listener() = default;
    };
    explicit BacklightWork(Listener& listener) : listener_(listener) {}

    // On the windows' thread, under the thread's lock: the wish for every
    // display the thread is to keep (older wishes dropped), and after a
    // change of the displays, their monitors opened again.
    void Wish(std::vector<BacklightWish> wishes, bool reopen);

    unsigned Work(MonitorThread& thread) override;
    void Deliver(Lockable& lock) override;

    // How often night's level is read back to see the user's own change,
    // and a monitor that did not answer is asked again.
    static constexpr std::uint64_t kCheckMs = 60 * 1000;
    // The least time between two writes to one monitor, and how long a new
    // level stands before it is written: a quick back and forth writes
    // nothing.
    static constexpr std::uint64_t kWriteGapMs = 1000;
    // When a monitor that answers failed a read.
    static constexpr std::uint64_t kRetryMs = 5 * 1000;
    // A value read back this far from the one written is the user's.
    static constexpr unsigned kUsersChange = 2;

   private:
    struct Panel {
        std::unique_ptr<MonitorPanel> panel;
        bool answers = false;
        unsigned minimum = 0, maximum = 0;
        std::uint64_t asked = 0;          // when it was last asked and did not answer
        std::optional<unsigned> written;  // the value this program wrote last
        bool dimmed = false;              // written for the night
        std::optional<std::uint64_t> lastWrite;
        std::uint64_t lastCheck = 0;
        bool dayReported = false;         // read and told, its store awaited
        bool usersOwn = false;            // the user set it at night: left alone
        std::optional<unsigned> pending;  // a level to write, and since when
        std::uint64_t pendingSince = 0;
    };
    struct Display {
        BacklightWish wish;
        std::vector<Panel> panels;
    };
    // Opens a display's monitors, each taking over what was known of the
    // one at its place before (`before`: its monitors before a change of the
    // displays, their handles released).
    void Open(Display& d, std::vector<Panel> before, MonitorThread& thread, std::uint64_t tick);
    // Reads a monitor's range; false when it does not answer.
    static bool Ask(Panel& p, std::uint64_t tick);
    void TellPanels(const Display& d);
    unsigned Step(Display& d, std::size_t i, std::uint64_t tick);
    unsigned ToDay(Display& d, std::size_t i, std::uint64_t tick);
    unsigned ToNight(Display& d, std::size_t i, unsigned day, std::uint64_t tick);
    // Writes `target` unless it stands there already, or (`night`) the user
    // moved the monitor from what was written; how long until it is tried
    // again when it cannot be now.
    std::optional<unsigned> WriteWhenDue(Panel& p, unsigned target, std::uint64_t tick, bool night);
    void Tell(BacklightNews news) { out_.push_back(std::move(news)); }

    Listener& listener_;
    // Exchanged under the lock.
    std::vector<BacklightWish> wishes_;
    bool fresh_ = false, reopen_ = false;
    std::vector<BacklightNews> news_;
    // The thread's own.
    std::vector<Display> displays_;
    std::vector<BacklightNews> out_;
};

}  // namespace dv
