// The strength and the tint: the shared ones that every monitor shows, or
// starts from while each monitor has its own, and each monitor's own, read
// from the store when first seen and written once the user changed them.
// The strength is clamped to the slider's range, and the levels are written
// here alone.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "settings/store.h"

namespace dv {

struct Level {
    std::uint8_t strength = 0;  // the layers' alpha at full night, 0 invisible
    Colour tint = 0;
};

// What the store refused of a save.
struct NotStored {
    bool strength = false;
    bool tint = false;
    NotStored& operator|=(const NotStored& o) {
        strength = strength || o.strength;
        tint = tint || o.tint;
        return *this;
    }
};

class Levels {
   public:
    explicit Levels(Store& store) : store_(store) {}

    // Reads the shared ones. A stored value that does not convert, or a
    // colour the window would not take, leaves `unread`'s; nothing stored
    // gives the defaults.
    void Read(const Level& unread);
    // While each monitor has its own, `monitor` (an identity) is read as its
    // own; otherwise, and for no monitor, the shared ones are.
    void SetPerMonitor(bool on);

    const Level& Of(const std::string& monitor) { return Find(monitor).level; }
    // A strength set in the settings window, within the slider's range.
    void SetStrength(const std::string& monitor, int alpha);
    // One hot-key step darker (`step` > 0) or brighter, within the slider's
    // range; a strength stored beyond its darkest end (by hand) is never made
    // brighter by "darker".
    void Step(const std::string& monitor, int step);
    void SetTint(const std::string& monitor, Colour tint);
    // Writes "intLig", then "lngColor": the shared ones while the monitors
    // share them, and those of every monitor whose own the user changed. A
    // refused write does not stop the others, and is said.
    NotStored Save();
    // "intLig" alone, as Save picks them.
    void SaveStrength();

   private:
    struct Kept {
        std::string monitor;  // empty: the shared ones
        Level level;
        bool changed = false;  // by the user, since it was last written
    };
    Kept& Find(const std::string& monitor);
    NotStored Write(const Kept& kept, bool tintToo);

    Store& store_;
    bool perMonitor_ = false;
    Kept shared_;
    // Each monitor's own, as seen since the start.
    std::vector<Kept> own_;
};

}  // namespace dv
