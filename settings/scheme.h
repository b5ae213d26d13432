// Legible in any colour scheme: where a control pairs a system colour with a
// fixed one, the pair is kept only while it reads; with high contrast on, the
// splash and the settings window draw everything in the system's colours.
#pragma once

#include "platform/system_calls.h"

namespace dv {

struct ColourPair {
    Colour fore = 0, back = 0;
    bool operator==(const ColourPair&) const = default;
};

// A system colour reference as the system draws it now; a plain colour as is.
Colour Resolve(Colour c, const SystemColours& sys);

// The contrast of two plain colours by their relative luminance (WCAG):
// 1 for the same colour, 21 for black on white.
double ContrastRatio(Colour a, Colour b);

// The least contrast a pair must keep.
constexpr double kLeastContrast = 3.0;

// A pair that mixes a system colour with a fixed one: as designed while its
// two colours stand at least 3:1 apart, and the system's button text on its
// button face below that or with high contrast on.
ColourPair Legible(ColourPair design, const SystemColours& sys);

// What the windows draw with under high contrast, and their design colours
// otherwise.
struct Look {
    bool system = false;  // high contrast is on

    Colour Surface(Colour design) const { return system ? kSysButtonFace : design; }
    Colour Text(Colour design) const { return system ? kSysButtonText : design; }
    // A link at rest and under the pointer.
    Colour Link(Colour design) const { return system ? kSysHotLight : design; }
    Colour LinkHover(Colour design) const { return system ? kSysButtonText : design; }
    // A label used as a button, under the pointer.
    ColourPair Hover(ColourPair design, const SystemColours& sys) const {
        return system ? ColourPair{kSysHighlightText, kSysHighlight} : Legible(design, sys);
    }
};

}  // namespace dv
