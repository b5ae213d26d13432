// Tints by the warmth of a black body, for the menu. Each is the sRGB
// colour of a black body at that temperature as published in Mitchell
// Charity's "What color is a blackbody?" (vendian.org/mncharity/dir3/
// blackbody/, bbr_color.txt: CIE 1964 10-degree colour matching functions,
// D65 white point), scaled so that its brightest channel equals the default
// tint's (64), rounded. A layer blends the screen toward its colour, so a
// near-white one would lift the blacks: scaled down it only warms them.
#pragma once

#include "platform/types.h"

namespace dv {

struct Warmth {
    int kelvin;
    unsigned char red, green, blue;  // as published
};
inline constexpr Warmth kWarmths[] = {
    {1900, 255, 131, 0},   {2300, 255, 152, 54},  {2700, 255, 169, 87},
    {3400, 255, 193, 132}, {4200, 255, 213, 173},
};

// The tint a warmth stands for (0x00BBGGRR).
Colour WarmthTint(const Warmth& w);

}  // namespace dv
