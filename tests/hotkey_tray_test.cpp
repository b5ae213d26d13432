#include "fixture.h"

namespace dv::fake {
namespace {

using HotKey = ProgramTest;
using Tray = ProgramTest;
using ShellRestart = ProgramTest;

TEST_F(HotKey, NoKeyNoWindow) {
    LaunchToNight();
    fake.Advance(1000);
    EXPECT_FALSE(program.frmSet.IsLoaded());
}

TEST_F(HotKey, F7OpensTheWindowModallyOverTheOverlayAndThePollWaitsInside) {
    LaunchToNight();
    OpenWithF7();
    ASSERT_TRUE(program.frmSet.IsShown());
    const auto modal = fake.CallsNamed("RunModal");
    ASSERT_EQ(modal.size(), 1u);
    EXPECT_EQ(modal[0].args[1], OverlayHwnd());
    EXPECT_FALSE(fake.WindowOf(program.frmNight)->enabled);
    EXPECT_EQ(fake.WindowOf(program.frmSet)->owner, &program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u) << "F7 never deletes the icon";

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

TEST_F(HotKey, HeldF7ReopensWithinATickAfterClosing) {
    LaunchToNight();
    fake.F7Down();
    fake.Advance(100);
    CloseWithX();
    EXPECT_FALSE(program.frmSet.IsLoaded());
    fake.Advance(100);
    EXPECT_TRUE(program.frmSet.IsShown());
}

TEST_F(HotKey, AShortPressSeenOnlyThroughTheLowBitStillOpens) {
    LaunchToNight();
    fake.F7Down();
    fake.F7Up();  // released before the poll saw it down
    fake.Advance(100);
    EXPECT_TRUE(program.frmSet.IsShown());
}

TEST_F(HotKey, F7WhileTheWindowIsOpenFromTheTrayDoesNothing) {
    LaunchToNight();
    OpenFromTray();
    OpenWithF7();
    EXPECT_TRUE(fake.CallsNamed("RunModal").empty());
}

TEST_F(Tray, LeftPressOpensTheWindowNormalFocusedAndRemovesTheIcon) {
    LaunchToNight();
    OpenFromTray();
    auto& s = program.frmSet;
    ASSERT_TRUE(s.IsShown());
    EXPECT_EQ(fake.WindowOf(s)->owner, nullptr);
    EXPECT_EQ(s.State(), dv::WindowState::Normal);
    EXPECT_EQ(fake.focused, s.Peer()->Hwnd());
    EXPECT_TRUE(fake.trayIcons.empty());
    EXPECT_TRUE(fake.CallsNamed("RunModal").empty());
    CloseWithX();
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

TEST_F(Tray, OnlyTheLeftPressActsAtEveryScreenDensity) {
    for (float tpp : {15.0f, 12.0f, 10.0f, 7.5f}) {
        for (unsigned msg = kWmMouseMove; msg <= kWmMButtonDblClk; ++msg) {
            FakePlatform f;
            f.tpp = tpp;
            Program p{f};
            f.Launch([&] { p.Start(); });
            f.Advance(5000);
            f.TrayNotify(p.frmNight, msg);
            EXPECT_EQ(p.frmSet.IsShown(), msg == kWmLButtonDown) << "tpp " << tpp << " msg " << msg;
            EXPECT_EQ(f.trayIcons.empty(), msg == kWmLButtonDown);
            f.Stop();
        }
    }
}

TEST_F(Tray, LeftPressWhileTheWindowIsOpenWithF7DoesNothing) {
    LaunchToNight();
    OpenWithF7();
    OpenFromTray();
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}


TEST_F(ShellRestart, TheIconComesBackWhenItStood) {
    LaunchToNight();
    fake.ShellRestart(program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    OpenWithF7();  // F7 leaves the icon standing
    fake.ShellRestart(program.frmNight);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

TEST_F(ShellRestart, TheIconStaysAwayWhileTheWindowOpenedFromItIsOpen) {
    LaunchToNight();
    OpenFromTray();
    fake.ShellRestart(program.frmNight);
    EXPECT_TRUE(fake.trayIcons.empty());
    CloseWithX();
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

}  // namespace
}  // namespace dv::fake
