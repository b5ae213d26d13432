// The tray icon's menu, and starting at log-on.
#include "fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"

namespace dv::fake {
namespace {

using namespace menu;

class TrayMenu : public ProgramTest {
   protected:
    void RightClick(int answer = 0) { PickInMenu(answer); }
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
    for (const MenuItem& item : fake.menus[0])
        texts.push_back(item.id || !item.sub.empty() ? item.text : "-");
    EXPECT_EQ(texts, (std::vector<std::string>{text::kChinese.menuSettings, "-", text::kChinese.menuAllScreens,
                                               text::kChinese.menuPerMonitor, text::kChinese.menuHideInCaptures, text::kChinese.menuStartAtLogOn,
                                               text::kChinese.menuPauseFullScreen,
                                               "-", text::kChinese.menuSchedule, text::kChinese.menuPause,
                                               "快捷键 (Alt+PgDn / Alt+PgUp / Alt+End)", "-",
                                               text::kChinese.turnOff}));
    EXPECT_TRUE(Shown(kHotKeys).checked);
    EXPECT_TRUE(Shown(kAllScreens).checked);
    EXPECT_FALSE(Shown(kHideInCaptures).checked);
    EXPECT_FALSE(Shown(kStartAtLogOn).checked);
    EXPECT_FALSE(Shown(kPerMonitor).checked);
    EXPECT_FALSE(Shown(kPerMonitor).enabled) << "one monitor covered";
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

TEST_F(TrayMenu, StartAtLogOnIsTickedOnlyWhereTheSystemHasNotDisabledIt) {
    struct Case {
        StoredBytes mark;
        bool ticked;
    };
    using K = StoredBytes::Kind;
    const Case cases[] = {
        {{}, true},
        {{K::Binary, std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12)}, true},
        {{K::Binary, std::string("\x06\0\0\0", 4)}, true},
        {{K::Binary, std::string("\x03\0\0\0\x01\x02\x03\x04\0\0\0\0", 12)}, false},
        {{K::Binary, std::string("\x07", 1)}, false},
        {{K::Binary, {}}, true},
        {{K::Other, {}}, true},
    };
    LaunchToNight();
    fake.runEntry = "\"C:\\Program Files\\Duskveil\\Duskveil.exe\"";
    for (const Case& c : cases) {
        fake.startupApproved = c.mark;
        RightClick();
        EXPECT_EQ(Shown(kStartAtLogOn).checked, c.ticked) << "mark of " << c.mark.bytes.size();
    }
}

TEST_F(TrayMenu, APickWhileUntickedTurnsStartingBackOnAndReplacesAnotherExe) {
    LaunchToNight();
    fake.runEntry = "\"C:\\Program Files\\Duskveil\\Duskveil.exe\"";
    fake.startupApproved = {StoredBytes::Kind::Binary, std::string("\x03\0\0\0", 4)};
    RightClick(kStartAtLogOn);
    EXPECT_EQ(fake.startupApproved.kind, StoredBytes::Kind::Absent) << "the disabled mark goes";
    RightClick();
    EXPECT_TRUE(Shown(kStartAtLogOn).checked);
    RightClick(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, std::nullopt);
    fake.runEntry = "\"D:\\Old\\Duskveil.exe\"";
    RightClick();
    EXPECT_FALSE(Shown(kStartAtLogOn).checked);
    RightClick(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, "\"C:\\Program Files\\Duskveil\\Duskveil.exe\"");
}

TEST_F(TrayMenu, TheCaptureItemShowsWhatTheSystemReallyDoes) {
    // Where the system cannot exclude windows from captures: greyed.
    fake.os = {10, 0, 19040};
    LaunchToNight();
    RightClick(kHideInCaptures);
    EXPECT_FALSE(Shown(kHideInCaptures).enabled);
    EXPECT_FALSE(Shown(kHideInCaptures).checked);
    EXPECT_TRUE(fake.CallsNamed("SaveSetting").empty()) << "a greyed item cannot be picked";
}

TEST_F(TrayMenu, ARefusedExclusionShowsUntickedAndAPickAsksForItAgain) {
    fake.affinityWorks = false;
    Put("HideInCaptures", "1");
    LaunchToNight();
    RightClick();
    EXPECT_TRUE(Shown(kHideInCaptures).enabled);
    EXPECT_FALSE(Shown(kHideInCaptures).checked) << "asked for, but refused";
    RightClick(kHideInCaptures);
    EXPECT_EQ(Stored("HideInCaptures"), "1") << "the user's choice is kept";
    fake.affinityWorks = true;
    RightClick(kHideInCaptures);
    RightClick();
    EXPECT_TRUE(Shown(kHideInCaptures).checked);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaExcludeFromCapture);
}

TEST_F(TrayMenu, TheCaptureTickNeedsEveryMonitorsLayerExcluded) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchToNight();
    RightClick();
    EXPECT_TRUE(Shown(kHideInCaptures).checked);
    fake.Run([&] { fake.WindowOf(*program.night.Companions().All()[0])->affinity = kWdaNone; });
    RightClick();
    EXPECT_FALSE(Shown(kHideInCaptures).checked) << "the second monitor's layer shows in captures";
}

TEST(Options, AreOnUnlessZeroIsStored) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        bool on;
    };
    const Case cases[] = {{nullptr, true}, {"1", true},    {"", true},   {"2", true},
                          {"0", false},    {" 0 ", false}, {"00", true}, {"0x", true}};
    for (const Case& c : cases) {
        FakePlatform f;
        if (c.stored) f.store["AllScreens"] = {StoredText::Kind::Text, c.stored};
        f.store["HideInCaptures"] = {StoredText::Kind::Unreadable, {}};
        const Options o = ReadOptions(f);
        EXPECT_EQ(o.allScreens, c.on) << (c.stored ? c.stored : "<none>");
        EXPECT_TRUE(o.hideInCaptures) << "an unreadable value is no 0";
    }
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
    // Every letter's case folds.
    const std::string upper = "C:\\ABCDEFGHIJKLMNOPQRSTUVWXYZ.EXE";
    EXPECT_TRUE(RunEntryNames("c:\\abcdefghijklmnopqrstuvwxyz.exe", upper));
    EXPECT_FALSE(RunEntryNames("c:\\abcdefghijklmnopqrstuvwxyz.exf", upper));
}

}  // namespace
}  // namespace dv::fake
