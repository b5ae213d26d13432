// What the test backend records and keeps of windows and monitors: a call
// made, another program's window, a window of the program's, and a monitor
// that answers brightness commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace dv {
class Form;
}

namespace dv::fake {

struct Call {
    std::string name;
    std::vector<std::int64_t> args;
    std::string text;
};

// A window of another program, as the system describes it.
struct OutsideWindow {
    PixelRect rect{100, 100, 700, 500};
    bool caption = true;
    bool shell = false;
    bool maximizedFrame = false;
    std::string program = "notepad.exe";  // empty: a process that cannot be opened
    Handle coreWindow = 0;                // a Store app's, in its frame
};

struct FakeWindow {
    Form* form = nullptr;
    Handle hwnd = 0;
    std::int32_t exStyle = 0;
    bool visible = false;
    Form* owner = nullptr;
    bool enabled = true;
    std::optional<std::uint8_t> alpha;
    int invalidations = 0;
    std::optional<PixelRect> bounds;        // where the program placed it
    std::optional<std::uint32_t> affinity;  // the display affinity it asked for
    std::vector<TwipsRect> damaged;         // every part invalidated, in twips
    std::string text;                       // its own text, as set after it was made
};

// A physical monitor that answers brightness commands, as a test sets it up:
// its range, where it stands, and every write with its virtual time.
struct FakePanel {
    unsigned minimum = 0, maximum = 100, level = 80;
    bool answers = true;
    int failReads = 0;  // the next reads that fail, as a waking monitor's may
    int reads = 0;
    std::vector<std::pair<int, unsigned>> writes;
};

}  // namespace dv::fake
