// The settings beyond colour and alpha: each kept as "1" or "0" beside them,
// on unless "0" is stored (a level for each monitor: off unless "1" is); and starting at log-on, kept where Windows looks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace dv {

struct Options {
    bool allScreens = true;      // a companion layer on every further monitor
    bool hideInCaptures = true;  // the layers kept out of screenshots and shares
    bool hotKeys = true;         // Alt+PgDn, Alt+PgUp and Alt+End
    bool perMonitor = false;     // a strength and a tint for each monitor
    bool pauseFullScreen = false;  // no layer where a full-screen program is in front
};

Options ReadOptions(RuntimeServices& host);
// Writes one option at once; false when the store refused it.
bool SaveOption(RuntimeServices& host, const char* key, bool on);

// The Run entry for the exe at `exePath`: the path quoted, so that a path
// with blanks is never split.
std::string RunCommandFor(std::string_view exePath);
// True when the Run entry's text names the exe at `exePath`.
bool RunEntryNames(const std::optional<std::string>& entry, std::string_view exePath);
// False only when the system's mark says the user disabled the entry: a
// binary value whose first byte is odd. No mark, or one that cannot be read
// as such, leaves it enabled.
bool StartupApproved(const StoredBytes& mark);
// Whether the exe at `exePath` starts at log-on: its entry names it, and
// the user has not disabled it.
bool StartsAtLogOn(RuntimeServices& host, std::string_view exePath);
// Makes the exe start at log-on (its entry, and no disabled mark), or not
// (no entry); false when the system refused.
bool SetStartAtLogOn(RuntimeServices& host, std::string_view exePath, bool on);

}  // namespace dv
