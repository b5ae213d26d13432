#include "fixture.h"

namespace dv::fake {
namespace {

class SliderWindow : public ProgramTest {
   protected:
    void SetUp() override {
        LaunchToNight();
        OpenWithF7();
        ASSERT_TRUE(program.frmSet.IsShown());
    }
    FrmSet& Set() { return program.frmSet; }
    std::optional<std::uint8_t> OverlayAlpha() { return fake.WindowOf(program.frmNight)->alpha; }
};

TEST_F(SliderWindow, APressOrADragInTheBandMovesTheKnobAndTheAlphaAtOnceAndNothingOutsideIt) {
    fake.calls.clear();
    fake.MouseDown(Set(), 3600, 1290, kLeftButton);
    EXPECT_EQ(Set().sliderKnob.X1(), 3600.0f);
    EXPECT_EQ(Set().sliderKnob.X2(), 3600.0f);
    EXPECT_EQ(program.night.Strength(), 149);
    EXPECT_EQ(OverlayAlpha(), 149);
    const auto layered = fake.CallsNamed("SetLayeredWindowAttributes");
    ASSERT_EQ(layered.size(), 1u);
    EXPECT_EQ(layered[0].args, (std::vector<std::int64_t>{OverlayHwnd(), 0, 149, 2}));
    EXPECT_EQ(fake.WindowOf(program.frmNight)->invalidations, 0)
        << "an alpha change repaints nothing";
    // Dragging follows the pointer, and freezes outside the band.
    fake.MouseMove(Set(), 5610, 1290, kLeftButton);
    EXPECT_EQ(program.night.Strength(), 1);
    fake.MouseMove(Set(), 3600, 1050, kLeftButton);  // above the band
    fake.MouseMove(Set(), 5700, 1290, kLeftButton);  // past the right end
    EXPECT_EQ(program.night.Strength(), 1);
    EXPECT_EQ(Set().sliderKnob.X1(), 5610.0f);
    fake.MouseMove(Set(), 3585, 1080, kLeftButton);  // back inside
    EXPECT_EQ(program.night.Strength(), 150);
    EXPECT_EQ(OverlayAlpha(), 150);
}

// A press exactly on the track's ends or the band's edges, a move with no
// button or another, a press of another button.
TEST_F(SliderWindow, AnythingButTheLeftButtonInTheBandLeavesTheSliderButResetsTheHover) {
    constexpr int L = kLeftButton, R = kRightButton;
    const struct {
        float x, y;
        int buttons;
        bool press;
    } events[] = {{2160, 1290, L, true},  {5625, 1290, L, true},  {3600, 1065, L, true},
                  {3600, 1500, L, true},  {3600, 1290, 0, false}, {3600, 1290, L | R, false},
                  {3600, 1290, R, false}, {3600, 1290, R, true}};
    for (const auto& e : events) {
        fake.MouseMove(Set(), 6600, 240);   // "×" turns yellow
        fake.MouseMove(Set(), 5000, 3990);  // the link turns red
        if (e.press)
            fake.MouseDown(Set(), e.x, e.y, e.buttons);
        else
            fake.MouseMove(Set(), e.x, e.y, e.buttons);
        SCOPED_TRACE(std::to_string(e.x) + "," + std::to_string(e.y) + " " +
                     std::to_string(e.buttons));
        EXPECT_EQ(program.night.Strength(), 150);
        EXPECT_FLOAT_EQ(Set().sliderKnob.X1(), 3586.7646f);
        EXPECT_EQ(Set().closeMark.BackColor(), 0xFFFFFFu);
        EXPECT_EQ(Set().homeLink.ForeColor(), 0xFFFFFFu);
    }
}

TEST_F(SliderWindow, TheNewAlphaIsSavedOnCloseAndPlacesTheKnobNextTime) {
    fake.MouseDown(Set(), 3600, 1290, kLeftButton);
    CloseWithX();
    EXPECT_EQ(Stored("intLig"), "149");
    OpenWithF7();
    EXPECT_FLOAT_EQ(Set().sliderKnob.X1(), KnobX(2160, 5625, 149));
}

// The knob's pen grows with the screen: 10 pixels at 96 dots per inch, 30 at
// 288. A move must repaint all of where it stood, or it leaves a trail.
TEST(Knob, AMoveRepaintsAllOfTheOldKnobAtEveryDensity) {
    for (const int dpi : {96, 144, 192, 288}) {
        Started s([dpi](FakePlatform& f) { f.tpp = 1440.0f / static_cast<float>(dpi); });
        FakePlatform& f = s.fake;
        FrmSet& set = s.program.frmSet;
        f.TrayNotify(s.program.frmNight, kWmLButtonDown);
        const float old = set.sliderKnob.X1();
        f.WindowOf(set)->damaged.clear();
        f.MouseDown(set, 4500, 1290, kLeftButton);
        ASSERT_EQ(set.sliderKnob.X1(), 4500.0f) << dpi;
        // What the pen painted, to the pixel, with a pixel for rounding.
        const float halfPen = static_cast<float>((10 * dpi + 48) / 96) / 2.0f + 1.0f;
        const TwipsRect painted{old - halfPen * f.tpp, 1110 - f.tpp, 2 * halfPen * f.tpp,
                                405 + 2 * f.tpp};
        bool covered = false;
        for (const TwipsRect& r : f.WindowOf(set)->damaged) {
            covered |= r.left <= painted.left && r.top <= painted.top &&
                       r.left + r.width >= painted.left + painted.width &&
                       r.top + r.height >= painted.top + painted.height;
        }
        EXPECT_TRUE(covered) << dpi << " dpi";
    }
}

}  // namespace
}  // namespace dv::fake
