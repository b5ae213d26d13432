// Starting at log-on, kept where Windows looks: the user's Run entry, and
// the mark Windows keeps beside it when the user disabled it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace dv {

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
