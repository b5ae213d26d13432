// The keyboard stays with the user's program: no layer is ever activated, and
// what the program's own windows borrow goes back when they go.
#include "fixture.h"
#include "overlay/tray_menu.h"

namespace dv::fake {
namespace {

class Foreground : public ProgramTest {
   protected:
    void SetUp() override { user = fake.UserWindow(); }
    int GiveBacks() { return static_cast<int>(fake.CallsNamed("SetForegroundWindow").size()); }
    Handle user = 0;
};

TEST_F(Foreground, NoLayerIsEverActivatedWhateverTheProgramDoes) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 1824, 600}};
    LaunchToNight();
    OpenWithF7();
    fake.MouseDown(program.frmSet, 3600, 1290, kLeftButton);
    CloseWithX();
    OpenFromTray();
    CloseWithX();
    for (int command : {0, int{menu::kAllScreens}, int{menu::kAllScreens},
                        int{menu::kHideInCaptures}, int{menu::kStartAtLogOn}}) {
        PickInMenu(command);
        EXPECT_EQ(fake.foreground, user) << "the menu gives the keyboard back after " << command;
    }
    fake.ChangeMonitors(program.frmNight, {{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}});
    fake.Advance(200);
    int layerCalls = 0;
    for (const Call& c : fake.CallsNamed("SetWindowPos")) {
        if (!fake.layers.count(c.args[0])) continue;
        ++layerCalls;
        EXPECT_TRUE(c.args[6] & kSwpNoActivate)
            << "SetWindowPos on a layer with flags " << c.args[6];
    }
    EXPECT_GT(layerCalls, 20);
    for (Handle h : fake.layers) {
        if (const FakeWindow* w = fake.Window(h)) {
            EXPECT_TRUE(w->exStyle & 0x08000000);
        }
    }
    EXPECT_EQ(fake.foreground, user);
}

TEST_F(Foreground, WhenTheSplashGoesTheKeyboardGoesBackWhereItWas) {
    Launch();
    EXPECT_EQ(fake.foreground, program.frmSplash.NativeHandle()) << "a new program comes up active";
    fake.Advance(5000);
    EXPECT_EQ(fake.foreground, user);
    fake.Advance(1000);
    EXPECT_EQ(fake.foreground, user) << "keep-on-top takes nothing back";
    EXPECT_EQ(GiveBacks(), 1);
}

TEST_F(Foreground, AWindowThatWentMeanwhileIsNotAskedForAnything) {
    Launch();
    fake.Run([&] { fake.outsideWindows.erase(user); });
    fake.Advance(5000);
    EXPECT_EQ(GiveBacks(), 0);
    EXPECT_TRUE(program.frmNight.IsShown());
}

TEST_F(Foreground, TheSettingsWindowComesUpActiveAndGivesTheKeyboardBackWhenItCloses) {
    LaunchToNight();
    struct Way {
        const char* name;
        std::function<void()> open, close;
    };
    const Way ways[] = {
        {"F7, ×", [&] { OpenWithF7(); }, [&] { CloseWithX(); }},
        {"tray, ×", [&] { OpenFromTray(); }, [&] { CloseWithX(); }},
        {"F7, Alt+F4", [&] { OpenWithF7(); }, [&] { fake.SystemClose(program.frmSet); }},
        {"menu, Alt+F4", [&] { PickInMenu(menu::kSettings); },
         [&] { fake.SystemClose(program.frmSet); }},
    };
    for (const Way& way : ways) {
        way.open();
        ASSERT_TRUE(program.frmSet.IsShown()) << way.name;
        EXPECT_EQ(fake.foreground, program.frmSet.NativeHandle()) << way.name;
        EXPECT_EQ(fake.focused, program.frmSet.NativeHandle()) << way.name;
        way.close();
        EXPECT_EQ(fake.foreground, user) << way.name;
    }
}

TEST_F(Foreground, AProgramTheUserWentToMeanwhileKeepsTheKeyboard) {
    Launch();
    fake.Advance(2000);
    Handle other = fake.UserWindow();  // during the countdown
    fake.Advance(3000);
    EXPECT_EQ(fake.foreground, other);
    EXPECT_EQ(GiveBacks(), 0);
    OpenFromTray();
    other = fake.UserWindow();  // while the settings window is open
    CloseWithX();
    EXPECT_EQ(fake.foreground, other);
    fake.TrayNotify(program.frmNight, kWmRButtonUp);
    other = fake.UserWindow();  // while the menu is open
    fake.AnswerMenu(menu::kAllScreens);
    EXPECT_EQ(fake.foreground, other);
    EXPECT_EQ(GiveBacks(), 0);
}

TEST_F(Foreground, AClickThatGaveTheShellTheKeyboardStillGivesItBackToTheUser) {
    LaunchToNight();
    FrmNight& overlay = program.frmNight;
    const auto clickTheIcon = [&](unsigned down, unsigned up) {
        fake.TrayNotify(overlay, 0x200);  // the pointer comes to the icon
        fake.notificationArea = fake.UserWindow();  // the press activates the shell
        fake.TrayNotify(overlay, down);
        fake.TrayNotify(overlay, up);
    };
    clickTheIcon(0x204, 0x205);
    fake.AnswerMenu(0);
    EXPECT_EQ(fake.foreground, user);
    clickTheIcon(0x201, 0x202);
    ASSERT_TRUE(program.frmSet.IsShown());
    CloseWithX();
    EXPECT_EQ(fake.foreground, user);
}

TEST_F(Foreground, ATapThatGaveTheShellTheKeyboardFirstGivesItBackToAUserWindowThatStayed) {
    LaunchToNight();
    fake.Advance(200);  // the user works on; the poll notes the user's window
    fake.notificationArea = fake.UserWindow();  // a tap: the shell first, no pointer before it
    PickInMenu(0);
    EXPECT_EQ(fake.foreground, user);
    fake.Run([&] { fake.outsideWindows.erase(user); });
    fake.notificationArea = fake.UserWindow();
    PickInMenu(0);
    EXPECT_EQ(fake.foreground, fake.notificationArea) << "not left with no window at all";
}

}  // namespace
}  // namespace dv::fake
