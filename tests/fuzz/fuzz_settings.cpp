// Fuzzes what the program reads: the stored texts, the countdown's text, and
// the slider arithmetic over any pointer position.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "settings/convert.h"
#include "settings/slider.h"

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

constexpr float kX1 = 2160, kX2 = 5625, kTop = 1065, kHeight = 435;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // A text that reads as a value writes back as text that reads the same.
    const auto lng = dv::TextToLng(text);
    if (lng) Require(dv::TextToLng(dv::LngToText(*lng)) == lng);
    const auto byte = dv::TextToByte(text);
    if (byte) {
        Require(dv::TextToByte(dv::LngToText(*byte)) == byte);
        Require(lng && *lng == *byte);  // a byte is also a valid colour text
    }
    if (lng && *lng >= 0 && *lng <= 255) Require(byte.has_value());

    // A countdown value writes back as text that reads the same.
    if (const auto n = dv::LeadingInt16(text)) Require(dv::LeadingInt16(dv::LngToText(*n)) == n);

    // Every alpha places the knob on the track, and the pointer there reads
    // the same alpha back.
    if (size >= 1) {
        const std::uint8_t alpha = data[0];
        const float x = dv::KnobX(kX1, kX2, alpha);
        Require(x >= kX1 && x <= kX2);
        if (alpha > 0 && alpha < 255) Require(dv::AlphaAt(x, kX1, kX2) == alpha);
    }

    // Any event inside the band gives an alpha that does not rise as the
    // pointer moves right; nothing that is not a number is inside.
    if (size >= 12) {
        float x, y;
        std::int32_t button;
        std::memcpy(&x, data, 4);
        std::memcpy(&y, data + 4, 4);
        std::memcpy(&button, data + 8, 4);
        const bool in = dv::InSliderBand({button, x, y}, kX1, kX2, kTop, kHeight);
        if (in) {
            Require(dv::AlphaAt(std::nextafter(x, kX2), kX1, kX2) <= dv::AlphaAt(x, kX1, kX2));
        }
        if (std::isnan(x) || std::isnan(y)) Require(!in);
    }
    return 0;
}
