// Plain value types shared by the windows and the backends.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace dv {

// A Windows colour value, laid out 0x00BBGGRR.
using Colour = std::uint32_t;

// A window or icon handle as the platform hands it out. Only its value
// travels through the program; the backend alone knows what it points to.
using Handle = std::intptr_t;

// Colours with the top bit set name a system colour (index in the low byte),
// resolved by the backend when it paints.
constexpr Colour kSysColourFlag = 0x80000000u;
constexpr Colour kSysButtonFace = kSysColourFlag | 15u;
constexpr Colour kSysHighlight = kSysColourFlag | 13u;
constexpr Colour kSysHighlightText = kSysColourFlag | 14u;
constexpr Colour kSysButtonText = kSysColourFlag | 18u;
constexpr Colour kSysHotLight = kSysColourFlag | 26u;

constexpr bool IsSysColour(Colour c) { return (c & kSysColourFlag) != 0; }

// What a window takes as its background: a plain colour, or one of the
// system colours (indices 0 to 24).
constexpr bool IsWindowColour(Colour c) {
    return c <= 0xFFFFFFu || (c >= kSysColourFlag && c <= (kSysColourFlag | 24u));
}

// Mouse button bits as the event procedures receive them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

enum class WindowState { Normal = 0, Maximized = 2 };

// Twips are 1440 to the inch: 15 to the pixel at 96 dots per inch.
constexpr float kTwipsPerPixelAt96 = 15.0f;

// A point or extent in twips.
struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
    bool Contains(float x, float y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
};

// A rectangle of the screen in pixels, right and bottom exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    int x = 0, y = 0;
};

// A monitor: its rectangle, and what the system calls it: its device name
// ("\\.\DISPLAY2", numbered as the system numbers its displays) and, where
// the system gives one, its device interface path, which stays the same
// across restarts, a change of the monitors' order and of the main monitor.
struct Monitor {
    Monitor(PixelRect r = {}, std::string d = {}, std::string p = {})
        : rect(r), device(std::move(d)), path(std::move(p)) {}
    PixelRect rect;
    std::string device;
    std::string path;
};

// The wall clock: seconds since 1970-01-01 00:00 UTC, and how far the local
// time (its zone and daylight saving) stands ahead of UTC.
struct WallClock {
    std::int64_t utc = 0;
    int offsetMinutes = 0;
    std::int64_t Local() const { return utc + std::int64_t{offsetMinutes} * 60; }
};

// A place on the earth in decimal degrees, north and east positive.
struct GeoPoint {
    double latitude = 0, longitude = 0;
};

// What a screen reader finds in a window: its parts, each with a role, a
// name, a value, whether it takes the keyboard and has it, and where.
enum class AccessibleRole { PushButton, Slider, Link, StaticText };
struct AccessiblePart {
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string value;
    std::string action;  // what pressing it is called; empty: nothing to press
    TwipsRect rect;
    bool focusable = false;
    bool focused = false;
};
// What screen readers are told of as it happens.
enum class AccessibleEvent { Focus, ValueChange };

struct TwipsSize {
    float width = 0, height = 0;
};

}  // namespace dv
