#include <set>

#include "fixture.h"

namespace dv::fake {
namespace {

using SettingsWindow = ProgramTest;

// The windows, timers and tray icon the backend hands out all come back,
// however often the window opens and closes (Wine counts no GDI or USER
// objects, so a long run there cannot show it).
TEST_F(SettingsWindow, OpeningAndClosingOverAndOverLeavesNothingBehind) {
    LaunchToNight();
    const std::size_t windows = fake.windows.size(), timers = fake.timers.size();
    for (int i = 0; i < 20; ++i) {
        OpenFromTray();
        fake.ClickControl(program.frmSet, program.frmSet.swatch);
        fake.AnswerColour(static_cast<Colour>(i * 0x010203));
        CloseWithX();
        OpenWithF7();
        CloseWithX();
        PickInMenu(0);
    }
    fake.Advance(6000);  // the splash, loaded hidden by each opening, counts down and goes
    EXPECT_EQ(fake.windows.size(), windows);
    EXPECT_EQ(fake.timers.size(), timers);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

TEST_F(SettingsWindow, LoadCopiesTheTintAndKnobPausesKeepOnTopAndTheHiddenSplashChangesNothing) {
    Put("lngColor", "255");
    LaunchToNight();
    OpenWithF7();
    auto& s = program.frmSet;
    ASSERT_TRUE(s.IsShown());
    EXPECT_EQ(s.swatch.BackColor(), 255u);
    EXPECT_EQ(s.sliderKnob.BorderColor(), 255u);
    EXPECT_FLOAT_EQ(s.sliderKnob.X1(), 3586.7646f);
    EXPECT_EQ(s.sliderKnob.X2(), s.sliderKnob.X1());
    EXPECT_EQ(fake.zorder.front(), s.NativeHandle()) << "top-most, above the layers";
    EXPECT_FALSE(program.frmNight.keepOnTop.Enabled()) << "keep-on-top waits";
    // The splash is loaded again, unseen: its countdown shows the overlay
    // again without changing it, even while the window is modal.
    EXPECT_TRUE(program.frmSplash.IsLoaded());
    EXPECT_FALSE(program.frmSplash.IsShown());
    const FakeWindow before = *fake.WindowOf(program.frmNight);
    const auto icons = fake.trayIcons;
    fake.Advance(5000);
    EXPECT_FALSE(program.frmSplash.IsLoaded());
    EXPECT_TRUE(program.frmSet.IsShown()) << "still modal";
    const FakeWindow& after = *fake.WindowOf(program.frmNight);
    EXPECT_EQ(after.exStyle, before.exStyle);
    EXPECT_EQ(after.alpha, before.alpha);
    EXPECT_EQ(fake.trayIcons, icons);
    EXPECT_EQ(program.frmNight.BackColor(), 255u);
}

TEST_F(SettingsWindow, CloseWritesBothValuesAsStoredAndResumesKeepOnTopWithinATick) {
    Put("lngColor", "-2147483633");  // the system's face colour
    Put("intLig", "7");
    LaunchToNight();
    OpenWithF7();
    fake.calls.clear();
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    std::set<std::string> writes;
    for (const Call& c : fake.CallsNamed("SaveSetting")) writes.insert(c.text);
    EXPECT_EQ(writes, (std::set<std::string>{"Duskveil/Settings/intLig=7",
                                             "Duskveil/Settings/lngColor=-2147483633"}));
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "after F7 the add leaves exactly one icon";
    fake.Advance(20);
    EXPECT_EQ(fake.Count("SetWindowPos", OverlayHwnd()), 1);
}

TEST_F(SettingsWindow, ARefusedWriteStillUnloadsWritesTheOtherAndResumesKeepOnTop) {
    LaunchToNight();
    OpenWithF7();
    fake.refusedWrites = {"intLig"};
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    EXPECT_EQ(Stored("lngColor"), "16384");
    EXPECT_EQ(Stored("intLig"), "<none>");
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
}

TEST_F(SettingsWindow, TurnOffWritesBothDeletesTheIconAndEndsWithoutUnloading) {
    LaunchToNight();
    OpenWithF7();
    fake.ClickButton(program.frmSet, program.frmSet.turnOff);
    EXPECT_TRUE(fake.Ended());
    EXPECT_EQ(Stored("intLig"), "150");
    EXPECT_EQ(Stored("lngColor"), "16384");
    EXPECT_TRUE(fake.trayIcons.empty());
    EXPECT_TRUE(program.frmSet.IsLoaded()) << "no unload ran";
}

TEST_F(SettingsWindow, HoverColoursLastUntilThePointerReachesTheBareSurface) {
    LaunchToNight();
    OpenWithF7();
    auto& s = program.frmSet;
    fake.MouseMove(s, 6600, 240);  // over the "×"
    EXPECT_EQ(s.closeMark.BackColor(), 0x00FFFFu);
    fake.MouseMove(s, 5000, 3990);  // straight onto the link
    EXPECT_EQ(s.closeMark.BackColor(), 0x00FFFFu);
    EXPECT_EQ(s.homeLink.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, 3000, 3500);  // onto another contact line: stays red
    EXPECT_EQ(s.homeLink.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, 300, 4500);
    EXPECT_EQ(s.closeMark.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(s.homeLink.ForeColor(), 0xFFFFFFu);
}

}  // namespace
}  // namespace dv::fake
