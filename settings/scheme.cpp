#include "settings/scheme.h"

#include <cmath>

namespace dv {
namespace {

double Channel(unsigned v) {
    const double c = v / 255.0;
    // x to the power 2.4 as exp(2.4 ln x), x above 0 here: the system's own
    // exp and log, where pow would bring a runtime library's copy along.
    return c <= 0.03928 ? c / 12.92 : std::exp(2.4 * std::log((c + 0.055) / 1.055));
}

double Luminance(Colour c) {
    return 0.2126 * Channel(c & 0xFF) + 0.7152 * Channel((c >> 8) & 0xFF) +
           0.0722 * Channel((c >> 16) & 0xFF);
}

}  // namespace

Colour Resolve(Colour c, const SystemColours& sys) {
    switch (c) {
        case kSysButtonFace:
            return sys.btnFace;
        case kSysButtonText:
            return sys.btnText;
        case kSysHighlight:
            return sys.highlight;
        case kSysHighlightText:
            return sys.highlightText;
        case kSysHotLight:
            return sys.hotLight;
        default:
            return c & 0xFFFFFF;
    }
}

double ContrastRatio(Colour a, Colour b) {
    double la = Luminance(a), lb = Luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

ColourPair Legible(ColourPair design, const SystemColours& sys) {
    const ColourPair system{kSysButtonText, kSysButtonFace};
    if (sys.highContrast) return system;
    if (IsSysColour(design.fore) == IsSysColour(design.back)) return design;
    const bool reads =
        ContrastRatio(Resolve(design.fore, sys), Resolve(design.back, sys)) >= kLeastContrast;
    return reads ? design : system;
}

}  // namespace dv
