#include <gtest/gtest.h>

#include "settings/slider.h"

namespace dv {
namespace {

constexpr float kX1 = 2160, kX2 = 5625;

TEST(Slider, KnobStandsWhereTheAlphaPutsIt) {
    EXPECT_FLOAT_EQ(KnobX(kX1, kX2, 150), 3586.7646f);
    EXPECT_EQ(KnobX(kX1, kX2, 255), 2160.0f);
    EXPECT_EQ(KnobX(kX1, kX2, 0), 5625.0f);
    EXPECT_FLOAT_EQ(KnobX(kX1, kX2, 1), 5611.4116f);
}

TEST(Slider, PointerGivesTheAlphaOfItsPlace) {
    EXPECT_EQ(AlphaAt(3600, kX1, kX2), 149);
    EXPECT_EQ(AlphaAt(2175, kX1, kX2), 254);
    EXPECT_EQ(AlphaAt(5610, kX1, kX2), 1);
    EXPECT_EQ(AlphaAt(3585, kX1, kX2), 150);
    EXPECT_EQ(AlphaAt(5620, kX1, kX2), 0);  // at 10 twips a pixel the right end is reachable
}

TEST(Slider, EveryPixelPositionOnTheTrackGivesAnAlphaStrictlyInside) {
    for (float x = kX1 + 15; x < kX2; x += 15) {
        const int a = AlphaAt(x, kX1, kX2);
        EXPECT_GE(a, 1);
        EXPECT_LE(a, 254);
    }
}

}  // namespace
}  // namespace dv
