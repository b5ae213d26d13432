// The stored form of the two settings: decimal text, read back strictly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dv {

// Plain decimal with an optional leading "-" and blanks around it. Anything
// else, or a number outside the range, gives nothing.
std::optional<std::int32_t> TextToLng(std::string_view text);
std::optional<std::uint8_t> TextToByte(std::string_view text);

std::string LngToText(std::int32_t value);

// A monitor's identity as the name of its key in the store, which holds no
// backslash: '%' and '\' are written "%25" and "%5C", and nothing else
// changes.
std::string MonitorKeyName(std::string_view identity);

// The leading decimal number of a text, as the nearest 16-bit integer; 0 for
// a text that does not begin with a number, nothing when it is out of range.
std::optional<std::int16_t> LeadingInt16(std::string_view text);

}  // namespace dv
