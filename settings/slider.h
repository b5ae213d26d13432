// The brightness slider's arithmetic: knob position from the alpha, alpha
// from the pointer. The left end of the track is opaque, the right end clear.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dv {

// The slider's range of alpha: its darkest end is 254, so that the layers
// never hide the screen entirely.
inline constexpr int kDarkestAlpha = 254;
std::uint8_t InSliderRange(int alpha);
// One hot-key step of the strength.
inline constexpr int kHotKeyStep = 16;

// Where the knob stands for `alpha` on a track from x1 to x2 (twips).
float KnobX(float x1, float x2, std::uint8_t alpha);

// The brightness a screen reader reads: the part of the light let through,
// in whole percent, rounded ("41%" at alpha 150).
std::string BrightnessPercent(std::uint8_t alpha);

// The alpha for a pointer at x, rounded half to even. Only meaningful for
// x strictly between the track's ends.
std::uint8_t AlphaAt(float x, float x1, float x2);

struct SliderEvent {
    int button;
    float x, y;
};

// True when the event drives the slider: the left button alone, strictly
// inside the track's ends and strictly inside the band [top, top + height].
bool InSliderBand(const SliderEvent& e, float x1, float x2, float bandTop, float bandHeight);

}  // namespace dv
