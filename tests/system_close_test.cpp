// When the system, not the user, closes the program's windows: task managers,
// log-off, Alt+F4, an owner destroyed underneath.
#include "fixture.h"

namespace dv::fake {
namespace {

class SystemClose : public ProgramTest {
   protected:
    void Drag(float x) { fake.MouseDown(program.frmSet, x, 1290, kLeftButton); }
    int Adds() { return fake.Count("Shell_NotifyIconA", kNimAdd); }
};

// The overlay goes while the settings window is open (after F7 or from the
// tray): closed by the system, or destroyed underneath.
class OverlayGoes : public SystemClose,
                    public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(OverlayGoes, UnderTheSettingsWindowItsChangeIsSavedAndTheProgramEndsWithEveryLayer) {
    const auto [fromTray, destroyed] = GetParam();
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchToNight();
    if (fromTray)
        OpenFromTray();
    else
        OpenWithF7();
    ASSERT_TRUE(program.frmSplash.IsLoaded()) << "the window's load brings the splash back";
    Drag(3600);
    const int adds = Adds();
    if (destroyed)
        fake.NativeDestroy(program.frmNight);
    else
        fake.SystemClose(program.frmNight);
    EXPECT_EQ(Stored("intLig"), "149");
    EXPECT_EQ(Stored("lngColor"), "16384");
    EXPECT_EQ(Adds(), adds) << "no icon for a window that is going";
    // The program is over: nothing loaded, no icon, the loop told to quit.
    EXPECT_FALSE(program.frmSet.IsLoaded());
    EXPECT_FALSE(program.frmSplash.IsLoaded()) << "no hidden countdown may bring it back";
    EXPECT_FALSE(program.frmNight.IsLoaded());
    EXPECT_EQ(fake.LoadedForms(), 0);
    EXPECT_TRUE(fake.windows.empty()) << "the companion goes with it";
    EXPECT_TRUE(fake.QuitRequested());
    EXPECT_TRUE(fake.trayIcons.empty());
}

INSTANTIATE_TEST_SUITE_P(EitherOpeningEitherEnd, OverlayGoes,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST_F(SystemClose, ASettingsWindowDestroyedUnderneathIsUnloadedAndOpensAgain) {
    LaunchToNight();
    OpenWithF7();
    Drag(3600);
    fake.NativeDestroy(program.frmSet);
    EXPECT_FALSE(program.frmSet.IsLoaded());
    EXPECT_EQ(Stored("intLig"), "149");
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
    EXPECT_TRUE(fake.WindowOf(program.frmNight)->enabled) << "the modal loop let go";
    OpenWithF7();
    EXPECT_TRUE(program.frmSet.IsShown());
    EXPECT_EQ(fake.CallsNamed("RunModal").size(), 2u);
}

TEST_F(SystemClose, AltF4OrTheXOnTheSettingsWindowSavesAndLeavesExactlyOneIcon) {
    LaunchToNight();
    OpenFromTray();
    ASSERT_TRUE(fake.trayIcons.empty());
    Drag(3600);
    fake.SystemClose(program.frmSet);
    EXPECT_EQ(Stored("intLig"), "149");
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    EXPECT_EQ(Adds(), 2);
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
    OpenFromTray();  // the way back in works
    ASSERT_TRUE(program.frmSet.IsShown());
    CloseWithX();
    EXPECT_EQ(Adds(), 3);

    OpenWithF7();
    fake.SystemClose(program.frmSet);
    EXPECT_EQ(Adds(), 3) << "Alt+F4 leaves the standing icon alone";
    EXPECT_TRUE(program.frmNight.IsShown());
    OpenWithF7();
    CloseWithX();
    EXPECT_EQ(Adds(), 4) << "the × adds as before; the unload sees it standing";
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

}  // namespace
}  // namespace dv::fake
