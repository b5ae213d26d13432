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
        if (set().FocusedButton() == &set().cmdExit) return "turn-off";
        const TwipsRect& a = *set().FocusedArea();
        const auto is = [&a](const TwipsRect& r) {
            return a.left == r.left && a.top == r.top && a.width == r.width && a.height == r.height;
        };
        if (is(set().lbColor.Rect())) return "swatch";
        if (is(set().Label2.Rect())) return "close";
        if (is(set().Label5.Rect())) return "link";
        // The slider's band spans the track and the knob's height.
        if (a.left < set().Lx.X1() && a.left + a.width > set().Lx.X2() &&
            a.top == set().lbLig.Top())
            return "slider";
        return "?";
    }
    int Alpha() { return *fake.WindowOf(program.frmNight)->alpha; }
    float KnobAt(int alpha) { return KnobX(set().Lx.X1(), set().Lx.X2(), static_cast<std::uint8_t>(alpha)); }
};

TEST_F(Keyboard, TheSliderHasTheFocusWhenTheWindowOpensEitherWay) {
    LaunchToNight();
    OpenWithF7();
    EXPECT_EQ(Focused(), "slider");
    Key(kVkTab);
    CloseWithX();
    OpenFromTray();
    EXPECT_EQ(Focused(), "slider") << "a new opening starts at the slider again";
    EXPECT_EQ(fake.focused, set().NativeHandle());
}

TEST_F(Keyboard, TabGoesRoundInOrderAndShiftTabBack) {
    LaunchToNight();
    OpenWithF7();
    std::vector<std::string> forward, back;
    for (int i = 0; i < 5; ++i) {
        Key(kVkTab);
        forward.push_back(Focused());
    }
    EXPECT_EQ(forward,
              (std::vector<std::string>{"swatch", "close", "link", "turn-off", "slider"}));
    for (int i = 0; i < 5; ++i) {
        Key(kVkTab, 1);
        back.push_back(Focused());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"turn-off", "link", "close", "swatch", "slider"}));
    EXPECT_GE(fake.CallsNamed("FocusMoved").size(), 10u) << "the backend redraws the focus";
}

TEST_F(Keyboard, EveryKeyOnTheSliderMovesTheKnobAndEveryLayerAtOnce) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchToNight();
    OpenWithF7();
    const struct {
        int vk;
        int alpha;
    } steps[] = {{kVkRight, 145}, {kVkUp, 140},   {kVkLeft, 145}, {kVkDown, 150},
                 {kVkPrior, 125}, {kVkNext, 150}, {kVkHome, 254}, {kVkLeft, 254},
                 {kVkNext, 254},  {kVkEnd, 0},    {kVkRight, 0},  {kVkPrior, 0}};
    for (const auto& s : steps) {
        Key(s.vk);
        EXPECT_EQ(program.night.Strength(), s.alpha) << s.vk;
        EXPECT_EQ(Alpha(), s.alpha) << s.vk;
        EXPECT_EQ(fake.WindowOf(*program.night.Companions().All()[0])->alpha, s.alpha) << s.vk;
        EXPECT_FLOAT_EQ(set().Ly.X1(), KnobAt(s.alpha)) << s.vk;
    }
    // Off the slider, the same keys change nothing.
    Key(kVkTab);
    Key(kVkHome);
    Key(kVkLeft);
    EXPECT_EQ(program.night.Strength(), 0);
    Key(kVkEscape);
    EXPECT_EQ(Stored("intLig"), "0");
}

TEST_F(Keyboard, EnterAndSpacePressTheFocusedPart) {
    LaunchToNight();
    OpenWithF7();
    Key(kVkReturn);
    EXPECT_FALSE(fake.dialogOpen) << "the slider has nothing to press";
    Key(kVkTab);
    Key(kVkSpace);
    ASSERT_TRUE(fake.dialogOpen) << "the swatch opens the Color dialog";
    fake.AnswerColour(0x0000FF);
    EXPECT_EQ(program.frmNight.BackColor(), 0x0000FFu);
    Key(kVkTab);
    Key(kVkTab);
    Key(kVkReturn);
    EXPECT_EQ(fake.started,
              (std::vector<std::string>{std::string(text::kBrowser) + "  " + text::kHomePage}))
        << "the link opens the home page";
    Key(kVkTab, 1);
    Key(kVkSpace);
    EXPECT_FALSE(set().IsLoaded()) << "\"×\" closes";
    EXPECT_EQ(Stored("lngColor"), "255");
    EXPECT_FALSE(fake.Ended());

    OpenWithF7();
    for (int i = 0; i < 4; ++i) Key(kVkTab);
    Key(kVkReturn);
    EXPECT_TRUE(fake.Ended()) << "the turn-off button turns night mode off";
}

TEST_F(Keyboard, EscClosesAsTheCloseMarkDoesFromBothOpenings) {
    LaunchToNight();
    OpenWithF7();
    Key(kVkRight);
    Key(kVkEscape);
    EXPECT_FALSE(set().IsLoaded());
    EXPECT_EQ(Stored("intLig"), "145");
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    OpenFromTray();
    EXPECT_TRUE(fake.trayIcons.empty());
    Key(kVkRight);
    Key(kVkEscape);
    EXPECT_FALSE(set().IsLoaded());
    EXPECT_EQ(Stored("intLig"), "140");
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "the icon is back";
    EXPECT_TRUE(program.frmNight.IsShown());
}

}  // namespace
}  // namespace dv::fake
