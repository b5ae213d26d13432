#include "settings/slider.h"

#include <cmath>

#include "settings/convert.h"

namespace dv {

std::uint8_t InSliderRange(int alpha) {
    return static_cast<std::uint8_t>(alpha < 0 ? 0 : alpha > kDarkestAlpha ? kDarkestAlpha : alpha);
}

std::string BrightnessPercent(std::uint8_t alpha) {
    const int percent = ((255 - alpha) * 100 + 127) / 255;
    return LngToText(percent) + "%";
}

float KnobX(float x1, float x2, std::uint8_t alpha) {
    const double step = static_cast<double>(x2 - x1) / 255.0;
    const double steps = static_cast<double>(static_cast<std::int16_t>(255 - alpha));
    return static_cast<float>(step * steps + static_cast<double>(x1));
}

std::uint8_t AlphaAt(float x, float x1, float x2) {
    const double d = static_cast<double>(x) - static_cast<double>(x1);
    const double span = static_cast<double>(x2) - static_cast<double>(x1);
    const double alpha = 255.0 - d / span * 255.0;
    // nearbyint rounds half to even in the default rounding mode.
    const double r = std::nearbyint(alpha);
    if (!(r >= 0.0)) return 0;
    if (r > 255.0) return 255;
    return static_cast<std::uint8_t>(r);
}

bool InSliderBand(const SliderEvent& e, float x1, float x2, float bandTop, float bandHeight) {
    const float bandBottom = bandTop + bandHeight;
    return e.x > x1 && e.x < x2 && e.y > bandTop && e.y < bandBottom && e.button == 1;
}

}  // namespace dv
