#include "fixture.h"
#include "resources/texts.h"

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
        fake.ClickControl(program.frmSet, program.frmSet.lbColor);
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

TEST_F(SettingsWindow, LoadCopiesTheTintPlacesTheKnobAndPausesKeepOnTop) {
    Put("lngColor", "255");
    Put("intLig", "150");
    LaunchToNight();
    OpenWithF7();
    auto& s = program.frmSet;
    ASSERT_TRUE(s.IsShown());
    EXPECT_EQ(s.lbColor.BackColor(), 255u);
    EXPECT_EQ(s.Ly.BorderColor(), 255u);
    EXPECT_FLOAT_EQ(s.Ly.X1(), 3586.7646f);
    EXPECT_EQ(s.Ly.X2(), s.Ly.X1());
    EXPECT_FALSE(program.frmNight.Timer2.Enabled());
    EXPECT_EQ(fake.Count("SetWindowPos", s.Peer()->Hwnd()), 1);
    // The splash is loaded again, unseen, and its countdown runs.
    EXPECT_TRUE(program.frmSplash.IsLoaded());
    EXPECT_FALSE(program.frmSplash.IsShown());

    const auto raises = fake.Count("SetWindowPos", OverlayHwnd());
    fake.Advance(1000);
    EXPECT_EQ(fake.Count("SetWindowPos", OverlayHwnd()), raises)
        << "paused while the window is open";
}

TEST_F(SettingsWindow, HiddenSplashShowsTheOverlayAgainWithoutChangingItEvenWhileModal) {
    LaunchToNight();
    OpenWithF7();
    const FakeWindow before = *fake.WindowOf(program.frmNight);
    const auto icons = fake.trayIcons;
    fake.Advance(5000);
    EXPECT_FALSE(program.frmSplash.IsLoaded());
    EXPECT_TRUE(program.frmSet.IsShown()) << "still modal";
    const FakeWindow& after = *fake.WindowOf(program.frmNight);
    EXPECT_EQ(after.exStyle, before.exStyle);
    EXPECT_EQ(after.alpha, before.alpha);
    EXPECT_EQ(fake.trayIcons, icons);
    EXPECT_EQ(program.frmNight.BackColor(), 0x4000u);
}

TEST_F(SettingsWindow, CloseWritesBothValuesInOrderAndResumesKeepOnTopWithinATick) {
    LaunchToNight();
    OpenWithF7();
    fake.calls.clear();
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    const auto writes = fake.CallsNamed("SaveSetting");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].text, "Duskveil/Settings/intLig=150");
    EXPECT_EQ(writes[1].text, "Duskveil/Settings/lngColor=16384");
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "after F7 the add leaves exactly one icon";
    fake.Advance(20);
    EXPECT_EQ(fake.Count("SetWindowPos", OverlayHwnd()), 1);
}

TEST_F(SettingsWindow, AStoredValueIsWrittenBackUnchanged) {
    Put("lngColor", "-2147483633");  // the system's face colour
    Put("intLig", "7");
    LaunchToNight();
    OpenFromTray();
    CloseWithX();
    EXPECT_EQ(Stored("lngColor"), "-2147483633");
    EXPECT_EQ(Stored("intLig"), "7");
}

TEST_F(SettingsWindow, ARefusedWriteStillUnloadsWritesTheOtherAndResumesKeepOnTop) {
    LaunchToNight();
    OpenWithF7();
    fake.refusedWrites = {"intLig"};
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    EXPECT_EQ(Stored("lngColor"), "16384");
    EXPECT_EQ(Stored("intLig"), "<none>");
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
}

TEST_F(SettingsWindow, TurnOffWritesBothDeletesTheIconAndEndsWithoutUnloading) {
    LaunchToNight();
    OpenWithF7();
    fake.calls.clear();
    fake.ClickButton(program.frmSet, program.frmSet.cmdExit);
    EXPECT_TRUE(fake.Ended());
    std::vector<std::string> names;
    for (const Call& c : fake.calls) names.push_back(c.name + (c.text.empty() ? "" : ":" + c.text));
    EXPECT_EQ(names, (std::vector<std::string>{"SaveSetting:Duskveil/Settings/intLig=150",
                                               "SaveSetting:Duskveil/Settings/lngColor=16384",
                                               "Shell_NotifyIconA:" + std::string("Duskveil") +
                                                   '\0' + std::string(55, ' '),
                                               "End"}));
    EXPECT_TRUE(fake.trayIcons.empty());
    EXPECT_TRUE(program.frmSet.IsLoaded()) << "no unload ran";
}

TEST_F(SettingsWindow, HoverColoursLastUntilTheBareSurfaceOrAPress) {
    LaunchToNight();
    OpenWithF7();
    auto& s = program.frmSet;
    fake.MouseMove(s, 6600, 240);  // over the "×"
    EXPECT_EQ(s.Label2.BackColor(), 0x00FFFFu);
    fake.MouseMove(s, 5000, 3990);  // straight onto the link
    EXPECT_EQ(s.Label2.BackColor(), 0x00FFFFu);
    EXPECT_EQ(s.Label5.ForeColor(), 0x0000FFu);
    fake.MouseDown(s, 300, 4500, kRightButton);  // a press on the surface resets both
    EXPECT_EQ(s.Label2.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(s.Label5.ForeColor(), 0xFFFFFFu);
}

TEST_F(SettingsWindow, ContactLinkTurnsRedUnderThePointerAndStartsOnlyTheBrowser) {
    LaunchToNight();
    OpenWithF7();
    auto& s = program.frmSet;
    fake.MouseMove(s, 5000, 3990);  // over the link
    EXPECT_EQ(s.Label5.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, 3000, 3500);  // onto another contact line: stays red
    EXPECT_EQ(s.Label5.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, 300, 4500);
    EXPECT_EQ(s.Label5.ForeColor(), 0xFFFFFFu);
    fake.calls.clear();
    fake.ClickControl(s, s.Label5);
    EXPECT_EQ(fake.started,
              (std::vector<std::string>{std::string(text::kBrowser) + "  " + text::kHomePage}));
    ASSERT_FALSE(fake.calls.empty());
    EXPECT_EQ(fake.calls.front().name, "DoEvents");
    EXPECT_TRUE(s.IsShown());
}

}  // namespace
}  // namespace dv::fake
