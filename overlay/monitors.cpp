#include "overlay/monitors.h"

#include <algorithm>
#include <cstdint>

namespace dv {

std::string MonitorIdentity(const Monitor& m) { return m.path.empty() ? m.device : m.path; }

int MonitorNumber(const Monitor& m) {
    std::size_t start = m.device.size();
    while (start > 0 && m.device[start - 1] >= '0' && m.device[start - 1] <= '9') --start;
    int number = 0;
    for (std::size_t i = start; i < m.device.size() && number < 100000; ++i)
        number = number * 10 + (m.device[i] - '0');
    return number;
}

namespace {

// How far the point lies outside the rectangle, squared; 0 inside.
std::int64_t Distance(const PixelRect& r, PixelPoint p) {
    const std::int64_t dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
    const std::int64_t dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

std::int64_t Overlap(const PixelRect& a, const PixelRect& b) {
    const std::int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// How far the point lies from the rectangle's centre, squared (in half
// pixels).
std::int64_t FromCentre(const PixelRect& r, PixelPoint p) {
    const std::int64_t dx = 2 * std::int64_t{p.x} - r.left - r.right;
    const std::int64_t dy = 2 * std::int64_t{p.y} - r.top - r.bottom;
    return dx * dx + dy * dy;
}

}  // namespace

std::size_t MonitorAt(const std::vector<Monitor>& monitors, PixelPoint p) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        const std::int64_t d = Distance(monitors[i].rect, p),
                           bestD = Distance(monitors[best].rect, p);
        if (d < bestD ||
            (d == bestD && FromCentre(monitors[i].rect, p) < FromCentre(monitors[best].rect, p)))
            best = i;
    }
    return best;
}

std::size_t MonitorUnder(const std::vector<Monitor>& monitors, const PixelRect& r) {
    const PixelPoint centre{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
    std::size_t best = 0;
    std::int64_t most = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t part = Overlap(monitors[i].rect, r);
        if (part > most ||
            (part == most && part > 0 &&
             FromCentre(monitors[i].rect, centre) < FromCentre(monitors[best].rect, centre))) {
            most = part;
            best = i;
        }
    }
    return most > 0 ? best : MonitorAt(monitors, centre);
}

}  // namespace dv
