#include "settings/convert.h"

#include <cmath>

namespace dv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The signed value of the text, as long as it stays within [lo, hi].
std::optional<std::int64_t> ParseInRange(std::string_view text, std::int64_t lo, std::int64_t hi) {
    std::size_t i = 0, end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == end) return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > hi + 1) return std::nullopt;  // far out of range: stop early
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::int32_t> TextToLng(std::string_view text) {
    const auto v = ParseInRange(text, INT32_MIN, INT32_MAX);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<std::uint8_t> TextToByte(std::string_view text) {
    const auto v = ParseInRange(text, 0, 255);
    if (!v) return std::nullopt;
    return static_cast<std::uint8_t>(*v);
}

std::string LngToText(std::int32_t value) {
    char digits[12];
    char* p = digits + sizeof digits;
    // Work on the magnitude as unsigned so INT32_MIN stays exact.
    std::uint32_t m =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        *--p = static_cast<char>('0' + m % 10);
        m /= 10;
    } while (m != 0);
    if (value < 0) *--p = '-';
    return std::string(p, static_cast<std::size_t>(digits + sizeof digits - p));
}

std::optional<std::int16_t> LeadingInt16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1e6) return std::nullopt;
    }
    const double r = std::nearbyint(negative ? -value : value);
    if (r < -32768 || r > 32767) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::string MonitorKeyName(std::string_view identity) {
    std::string name;
    for (const char c : identity) {
        if (c == '%')
            name += "%25";
        else if (c == '\\')
            name += "%5C";
        else
            name += c;
    }
    return name;
}

}  // namespace dv
