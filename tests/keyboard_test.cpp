// The settings window by keyboard: the focus and its order, every key on
// the slider, Enter, Space and Esc.
#include "fixture.h"
#include "resources/texts.h"

namespace dv::fake {
namespace {

class Keyboard : public ProgramTest {
   protected:
    FrmSet& set() { return program.frmSet; }
    void Key(int vk, int shift = 0) { fake.KeyDown(set(), vk, shift); }
    // Which part has the focus: the button, or a drawn part by its area.
    std::string Focused() {
        if (set().FocusedButton() == &set().turnOff) return "turn-off";
        const TwipsRect& a = *set().FocusedArea();
        const auto is = [&a](const TwipsRect& r) {
            return a.left == r.left && a.top == r.top && a.width == r.width && a.height == r.height;
        };
        if (is(set().swatch.Rect())) return "swatch";
        if (is(set().closeMark.Rect())) return "close";
        if (is(set().homeLink.Rect())) return "link";
        // The slider's band spans the track and the knob's height.
        if (a.left < set().sliderTrack.X1() && a.left + a.width > set().sliderTrack.X2() &&
            a.top == set().lightCaption.Top())
            return "slider";
        return "?";
    }
    int Alpha() { return *fake.WindowOf(program.frmNight)->alpha; }
};

TEST_F(Keyboard, TheSliderHasTheFocusAtEveryOpeningTabGoesRoundAndEscCloses) {
    LaunchToNight();
    OpenWithF7();
    EXPECT_EQ(Focused(), "slider");
    std::vector<std::string> forward, back;
    for (int i = 0; i < 5; ++i) {
        Key(kVkTab);
        forward.push_back(Focused());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"swatch", "close", "link", "turn-off", "slider"}));
    for (int i = 0; i < 5; ++i) {
        Key(kVkTab, 1);
        back.push_back(Focused());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"turn-off", "link", "close", "swatch", "slider"}));
    EXPECT_GE(fake.CallsNamed("FocusMoved").size(), 10u) << "the backend redraws the focus";
    Key(kVkTab);
    CloseWithX();
    OpenFromTray();
    EXPECT_EQ(Focused(), "slider") << "a new opening starts at the slider again";
    // Esc closes as the close mark does, and the icon comes back.
    EXPECT_TRUE(fake.trayIcons.empty());
    Key(kVkRight);
    Key(kVkEscape);
    EXPECT_FALSE(set().IsLoaded());
    EXPECT_EQ(Stored("intLig"), "145");
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "the icon is back";
    EXPECT_TRUE(program.frmNight.IsShown());
}

TEST_F(Keyboard, EveryKeyOnTheSliderMovesTheKnobAndEveryLayerAtOnce) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchToNight();
    OpenWithF7();
    // Each key, and the alpha it leaves.
    const std::pair<int, std::uint8_t> steps[] = {{kVkRight, 145}, {kVkUp, 140},    {kVkLeft, 145},
                                                  {kVkDown, 150},  {kVkPrior, 125}, {kVkNext, 150},
                                                  {kVkHome, 254},  {kVkLeft, 254},  {kVkNext, 254},
                                                  {kVkEnd, 0},     {kVkRight, 0},   {kVkPrior, 0}};
    for (const auto& [vk, alpha] : steps) {
        Key(vk);
        EXPECT_EQ(program.night.Strength(), alpha) << vk;
        EXPECT_EQ(Alpha(), alpha) << vk;
        EXPECT_EQ(fake.WindowOf(*program.night.Companions().All()[0])->alpha, alpha) << vk;
        EXPECT_FLOAT_EQ(set().sliderKnob.X1(), KnobX(set().sliderTrack.X1(), set().sliderTrack.X2(), alpha)) << vk;
    }
    // Off the slider, the same keys change nothing.
    Key(kVkTab);
    Key(kVkHome);
    Key(kVkLeft);
    EXPECT_EQ(program.night.Strength(), 0);
    Key(kVkEscape);
    EXPECT_FALSE(set().IsLoaded()) << "Esc closes";
    EXPECT_EQ(Stored("intLig"), "0");
}

TEST_F(Keyboard, EnterAndSpacePressTheFocusedPart) {
    LaunchToNight();
    OpenWithF7();
    Key(kVkReturn);
    EXPECT_FALSE(fake.dialogOpen) << "the slider has nothing to press";
    for (int i = 0; i < 3; ++i) Key(kVkTab);
    Key(kVkReturn);
    EXPECT_EQ(fake.started,
              (std::vector<std::string>{std::string(text::kBrowser) + "  " + text::kHomePage}))
        << "the link opens the home page";
    Key(kVkTab, 1);
    Key(kVkSpace);
    EXPECT_FALSE(set().IsLoaded()) << "\"×\" closes";
    EXPECT_FALSE(fake.Ended());

    OpenWithF7();
    for (int i = 0; i < 4; ++i) Key(kVkTab);
    Key(kVkReturn);
    EXPECT_TRUE(fake.Ended()) << "the turn-off button turns night mode off";
}

}  // namespace
}  // namespace dv::fake
