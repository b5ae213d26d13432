// Which monitor is which: the identity each is known by across restarts and
// reorders, its number, and the one under a point or a window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace dv {

// Its device interface path, else (where the system gives none) its device
// name.
std::string MonitorIdentity(const Monitor& m);

// The number the system gives the display: the digits that end its device
// name ("\\.\DISPLAY2" is 2); 0 when it ends in none.
int MonitorNumber(const Monitor& m);

// The monitor that holds the point, else the one nearest to it; 0 for an
// empty list. Where monitors overlap (heads that mirror, or a display that
// reports them so) and both hold it, the one whose centre is nearer.
std::size_t MonitorAt(const std::vector<Monitor>& monitors, PixelPoint p);

// The monitor that holds the largest part of `r`, else the one nearest its
// centre; of those that hold equal parts, the one MonitorAt gives for its
// centre.
std::size_t MonitorUnder(const std::vector<Monitor>& monitors, const PixelRect& r);

}  // namespace dv
