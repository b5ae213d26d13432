#include "fixture.h"
#include "overlay/tray_menu.h"

namespace dv::fake {
namespace {

using HotKey = ProgramTest;
using Tray = ProgramTest;

TEST_F(HotKey, F7OpensTheWindowModallyOverTheOverlayAndThePollWaitsInside) {
    LaunchToNight();
    fake.Advance(1000);
    EXPECT_FALSE(program.frmSet.IsLoaded()) << "no key, no window";
    OpenWithF7();
    ASSERT_TRUE(program.frmSet.IsShown());
    const auto modal = fake.CallsNamed("RunModal");
    ASSERT_EQ(modal.size(), 1u);
    EXPECT_EQ(modal[0].args[1], OverlayHwnd());
    EXPECT_FALSE(fake.WindowOf(program.frmNight)->enabled);
    EXPECT_EQ(fake.WindowOf(program.frmSet)->owner, &program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "F7 never deletes the icon";
    PickInMenu(0);
    EXPECT_TRUE(fake.menus.empty()) << "no menu over it";

    // Held inside the modal call, the poll is not entered again.
    const auto polls = fake.CallsNamed("GetAsyncKeyState").size();
    fake.F7Down();
    fake.Advance(1000);
    EXPECT_EQ(fake.CallsNamed("GetAsyncKeyState").size(), polls);
    EXPECT_EQ(fake.CallsNamed("RunModal").size(), 1u);
    fake.F7Up();

    CloseWithX();
    EXPECT_TRUE(fake.WindowOf(program.frmNight)->enabled);
}

TEST_F(HotKey, AShortPressSeenOnlyThroughTheLowBitOpensAndAHeldOneReopensWithinATick) {
    LaunchToNight();
    fake.F7Down();
    fake.F7Up();  // released before the poll saw it down
    fake.Advance(100);
    EXPECT_TRUE(program.frmSet.IsShown());
    CloseWithX();
    fake.F7Down();
    fake.Advance(100);
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    fake.Advance(100);
    EXPECT_TRUE(program.frmSet.IsShown());
}

TEST_F(Tray, ALeftPressOrTheMenusSettingsOpensTheWindowNormalAndUnownedAndRemovesTheIcon) {
    LaunchToNight();
    for (const bool fromMenu : {false, true}) {
        if (fromMenu)
            PickInMenu(menu::kSettings);
        else
            OpenFromTray();
        ASSERT_TRUE(program.frmSet.IsShown());
        EXPECT_EQ(fake.WindowOf(program.frmSet)->owner, nullptr);
        EXPECT_EQ(program.frmSet.State(), dv::WindowState::Normal);
        EXPECT_TRUE(fake.trayIcons.empty());
        CloseWithX();
    }
}

TEST_F(Tray, WhileTheWindowIsOpenOneWayTheOtherWayInDoesNothing) {
    LaunchToNight();
    OpenFromTray();
    OpenWithF7();
    EXPECT_TRUE(fake.CallsNamed("RunModal").empty());
    CloseWithX();
    OpenWithF7();
    OpenFromTray();
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    EXPECT_EQ(fake.CallsNamed("RunModal").size(), 1u);
}

TEST(TrayNotification, OnlyTheLeftPressOpensAndTheRightReleaseShowsTheMenuAtEveryDensity) {
    for (float tpp : {15.0f, 12.0f, 10.0f, 7.5f}) {
        for (unsigned msg = kWmMouseMove; msg <= kWmMButtonDblClk; ++msg) {
            Started s([tpp](FakePlatform& f) { f.tpp = tpp; });
            s.fake.TrayNotify(s.program.frmNight, msg);
            EXPECT_EQ(s.program.frmSet.IsShown(), msg == kWmLButtonDown)
                << "tpp " << tpp << " msg " << msg;
            EXPECT_EQ(s.fake.trayIcons.empty(), msg == kWmLButtonDown);
            EXPECT_EQ(s.fake.menus.size(), msg == kWmRButtonUp ? 1u : 0u);
        }
    }
}

TEST_F(Tray, AfterAShellRestartTheIconComesBackUnlessTheWindowOpenedFromItIsOpen) {
    LaunchToNight();
    fake.ShellRestart(program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    OpenWithF7();  // F7 leaves the icon standing
    fake.ShellRestart(program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    CloseWithX();
    OpenFromTray();
    fake.ShellRestart(program.frmNight);
    EXPECT_TRUE(fake.trayIcons.empty());
    CloseWithX();
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

}  // namespace
}  // namespace dv::fake
