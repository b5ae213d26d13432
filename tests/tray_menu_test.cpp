// The tray icon's menu, and starting at log-on.
#include "fixture.h"
#include "resources/texts.h"

namespace dv::fake {
namespace {

enum Item { kSettings = 1, kAllScreens, kHideInCaptures, kStartAtLogOn, kTurnOff };

class TrayMenu : public ProgramTest {
   protected:
    void RightClick(int answer = 0) {
        fake.menuAnswer = answer;
        fake.TrayNotify(program.frmNight, kWmRButtonUp);
    }
    const MenuItem& Shown(int id) {
        for (const MenuItem& item : fake.menus.back())
            if (item.id == id) return item;
        throw std::runtime_error("no such item");
    }
};

TEST_F(TrayMenu, ARightReleaseShowsTheItemsWithTheirChecks) {
    Put("HideInCaptures", "0");
    LaunchToNight();
    RightClick();
    ASSERT_EQ(fake.menus.size(), 1u);
    std::vector<std::string> texts;
    for (const MenuItem& item : fake.menus[0]) texts.push_back(item.id ? item.text : "-");
    EXPECT_EQ(texts, (std::vector<std::string>{text::kMenuSettings, "-", text::kMenuAllScreens,
                                               text::kMenuHideInCaptures, text::kMenuStartAtLogOn,
                                               "-", text::kMenuTurnOff}));
    EXPECT_TRUE(Shown(kAllScreens).checked);
    EXPECT_FALSE(Shown(kHideInCaptures).checked);
    EXPECT_FALSE(Shown(kStartAtLogOn).checked);
    EXPECT_TRUE(program.frmNight.Timer2.Enabled()) << "keep-on-top waits only while it is open";
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    EXPECT_FALSE(program.frmSet.IsLoaded());
}

TEST_F(TrayMenu, OtherNotificationsAndAnOpenF7WindowShowNoMenu) {
    LaunchToNight();
    for (unsigned msg = kWmMouseMove; msg <= kWmMButtonDblClk; ++msg)
        if (msg != kWmRButtonUp && msg != kWmLButtonDown) fake.TrayNotify(program.frmNight, msg);
    OpenWithF7();
    RightClick();
    EXPECT_TRUE(fake.menus.empty());
}

TEST_F(TrayMenu, SettingsOpensTheWindowAsALeftPressDoes) {
    LaunchToNight();
    RightClick(kSettings);
    EXPECT_TRUE(program.frmSet.IsShown());
    EXPECT_EQ(fake.focused, program.frmSet.NativeHandle());
    EXPECT_TRUE(fake.trayIcons.empty());
    EXPECT_FALSE(program.frmNight.Timer2.Enabled()) << "the settings window holds it paused";
}

TEST_F(TrayMenu, TurnOffWritesBothValuesRemovesTheIconAndEnds) {
    Put("lngColor", "255");
    LaunchToNight();
    RightClick(kTurnOff);
    EXPECT_TRUE(fake.Ended());
    EXPECT_EQ(Stored("intLig"), "150");
    EXPECT_EQ(Stored("lngColor"), "255");
    EXPECT_TRUE(fake.trayIcons.empty());
}

TEST_F(TrayMenu, ATogglePersistsAtOnceAndARefusedWriteKeepsTheOldState) {
    LaunchToNight();
    RightClick(kHideInCaptures);
    EXPECT_EQ(Stored("HideInCaptures"), "0");
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaNone);
    fake.refusedWrites = {"HideInCaptures", "AllScreens"};
    RightClick(kHideInCaptures);
    RightClick(kAllScreens);
    RightClick();
    EXPECT_FALSE(Shown(kHideInCaptures).checked);
    EXPECT_TRUE(Shown(kAllScreens).checked);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaNone);
    EXPECT_TRUE(program.frmNight.IsShown());
}

TEST_F(TrayMenu, StartAtLogOnWritesTheExeQuotedAndRemovesIt) {
    LaunchToNight();
    RightClick(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, "\"C:\\Program Files\\Duskveil\\Duskveil.exe\"");
    RightClick();
    EXPECT_TRUE(Shown(kStartAtLogOn).checked);
    RightClick(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, std::nullopt);
    fake.runWritesRefused = true;
    RightClick(kStartAtLogOn);
    RightClick();
    EXPECT_FALSE(Shown(kStartAtLogOn).checked);
}

TEST(RunEntry, IsCheckedOnlyWhenItNamesThisExe) {
    const std::string exe = "C:\\Program Files\\Duskveil\\Duskveil.exe";
    EXPECT_TRUE(RunEntryNames("\"C:\\Program Files\\Duskveil\\Duskveil.exe\"", exe));
    EXPECT_TRUE(RunEntryNames("\"c:\\program files\\duskveil\\DUSKVEIL.EXE\" ", exe));
    EXPECT_TRUE(RunEntryNames("C:\\Program Files\\Duskveil\\Duskveil.exe", exe));
    EXPECT_FALSE(RunEntryNames(std::nullopt, exe));
    EXPECT_FALSE(RunEntryNames("\"D:\\Other\\Duskveil.exe\"", exe));
    EXPECT_FALSE(RunEntryNames("\"C:\\Program Files\\Duskveil\\Duskveil.exe", exe));
    EXPECT_FALSE(RunEntryNames("\"C:\\Program Files\\Duskveil\\Duskveil.exe.bak\"", exe));
    EXPECT_FALSE(RunEntryNames("", ""));
}

}  // namespace
}  // namespace dv::fake
