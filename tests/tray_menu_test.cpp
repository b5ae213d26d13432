// The tray icon's menu, and starting at log-on.
#include "fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"
#include "overlay/monitors.h"
#include "settings/convert.h"
#include "settings/warmth.h"

namespace dv::fake {
namespace {

using namespace menu;

using TrayMenu = ProgramTest;

TEST_F(TrayMenu, ARightReleaseShowsTheItemsWithTheirChecksAndTurnOffEnds) {
    Put("HideInCaptures", "0");
    LaunchToNight();
    PickInMenu(0);
    ASSERT_EQ(fake.menus.size(), 1u);
    std::vector<std::string> texts;
    for (const MenuItem& item : fake.menus[0])
        texts.push_back(item.id || !item.sub.empty() ? item.text : "-");
    const Texts& t = text::kChinese;
    EXPECT_EQ(texts, (std::vector<std::string>{
                         t.menuSettings, "-", t.menuAllScreens, t.menuPerMonitor, t.menuBacklight,
                         t.menuHideInCaptures, t.menuStartAtLogOn, t.menuPauseFullScreen, "-",
                         t.menuSchedule, t.menuWarmth, t.menuPause,
                         "快捷键 (Alt+PgDn / Alt+PgUp / Alt+End)", t.menuChooseHotKeys,
                         t.menuShowLevel, t.menuLanguage, "-", t.turnOff}));
    EXPECT_TRUE(Item(kHotKeys).checked);
    EXPECT_TRUE(Item(kShowLevel).checked);
    EXPECT_TRUE(Item(kAllScreens).checked);
    EXPECT_FALSE(Item(kHideInCaptures).checked);
    EXPECT_FALSE(Item(kStartAtLogOn).checked);
    EXPECT_FALSE(Item(kPerMonitor).checked);
    EXPECT_FALSE(Item(kPerMonitor).enabled) << "one monitor covered";
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled()) << "keep-on-top waits only while it is open";
    PickInMenu(kTurnOff);
    EXPECT_TRUE(fake.Ended());
    EXPECT_EQ(Stored("intLig"), "150") << "turning off writes both values";
    EXPECT_EQ(Stored("lngColor"), "16384");
    EXPECT_TRUE(fake.trayIcons.empty());
}

TEST_F(TrayMenu, ATogglePersistsAtOnceOnEveryLayerAndARefusedWriteKeepsTheOldState) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}, {0, -1080, 1920, 0}};
    LaunchToNight();
    PickInMenu(kHideInCaptures);
    EXPECT_EQ(Stored("HideInCaptures"), "0");
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaNone);
    for (const auto& layer : program.night.Companions().All())
        EXPECT_EQ(fake.WindowOf(*layer)->affinity, kWdaNone);
    fake.refusedWrites = {"HideInCaptures", "AllScreens"};
    PickInMenu(kHideInCaptures);
    PickInMenu(kAllScreens);
    PickInMenu(0);
    EXPECT_FALSE(Item(kHideInCaptures).checked);
    EXPECT_TRUE(Item(kAllScreens).checked);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaNone);
    EXPECT_TRUE(program.frmNight.IsShown());
}

TEST_F(TrayMenu, StartAtLogOnWritesTheExeQuotedRemovesItAndIsTickedOnlyWhereTheSystemAllowsIt) {
    const std::string quoted = "\"C:\\Program Files\\Duskveil\\Duskveil.exe\"";
    LaunchToNight();
    PickInMenu(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, quoted);
    PickInMenu(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, std::nullopt);
    fake.runWritesRefused = true;
    PickInMenu(kStartAtLogOn);
    PickInMenu(0);
    EXPECT_FALSE(Item(kStartAtLogOn).checked);
    fake.runWritesRefused = false;

    // Disabled by the system: the pick takes the mark away and keeps the entry.
    fake.runEntry = quoted;
    fake.startupApproved = {StoredBytes::Kind::Binary, std::string("\x03\0\0\0", 4)};
    PickInMenu(kStartAtLogOn);
    EXPECT_EQ(fake.startupApproved.kind, StoredBytes::Kind::Absent) << "the disabled mark goes";
    PickInMenu(0);
    EXPECT_TRUE(Item(kStartAtLogOn).checked);
    // Another exe's entry is no tick, and a pick replaces it.
    fake.runEntry = "\"D:\\Old\\Duskveil.exe\"";
    PickInMenu(0);
    EXPECT_FALSE(Item(kStartAtLogOn).checked);
    PickInMenu(kStartAtLogOn);
    EXPECT_EQ(fake.runEntry, quoted);

    // Ticked only where the system has not disabled it.
    using K = StoredBytes::Kind;
    const std::pair<StoredBytes, bool> cases[] = {
        {{}, true},
        {{K::Binary, std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12)}, true},
        {{K::Binary, std::string("\x06\0\0\0", 4)}, true},
        {{K::Binary, std::string("\x03\0\0\0\x01\x02\x03\x04\0\0\0\0", 12)}, false},
        {{K::Binary, std::string("\x07", 1)}, false},
        {{K::Binary, {}}, true},
        {{K::Other, {}}, true},
    };
    for (const auto& [mark, ticked] : cases) {
        fake.startupApproved = mark;
        PickInMenu(0);
        EXPECT_EQ(Item(kStartAtLogOn).checked, ticked) << "mark of " << mark.bytes.size();
    }
}

TEST_F(TrayMenu, TheCaptureItemIsGreyedWhereTheSystemCannotExclude) {
    fake.os = {10, 0, 19040};
    LaunchToNight();
    PickInMenu(kHideInCaptures);
    EXPECT_FALSE(Item(kHideInCaptures).enabled);
    EXPECT_FALSE(Item(kHideInCaptures).checked);
    EXPECT_TRUE(fake.CallsNamed("SaveSetting").empty()) << "a greyed item cannot be picked";
}

TEST_F(TrayMenu, ARefusedExclusionChangesNothingElseShowsUntickedAndAPickAsksAgain) {
    fake.affinityWorks = false;
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    Put("HideInCaptures", "1");
    LaunchToNight();
    EXPECT_TRUE(program.frmNight.IsShown());
    EXPECT_EQ(fake.WindowOf(program.frmNight)->alpha, 150);
    EXPECT_EQ(program.night.Companions().All().size(), 1u);
    PickInMenu(0);
    EXPECT_TRUE(Item(kHideInCaptures).enabled);
    EXPECT_FALSE(Item(kHideInCaptures).checked) << "asked for, but refused";
    PickInMenu(kHideInCaptures);
    EXPECT_EQ(Stored("HideInCaptures"), "1") << "the user's choice is kept";
    fake.affinityWorks = true;
    PickInMenu(kHideInCaptures);
    PickInMenu(0);
    EXPECT_TRUE(Item(kHideInCaptures).checked);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->affinity, kWdaExcludeFromCapture);
    // The tick needs every monitor's layer excluded.
    fake.Run([&] { fake.WindowOf(*program.night.Companions().All()[0])->affinity = kWdaNone; });
    PickInMenu(0);
    EXPECT_FALSE(Item(kHideInCaptures).checked) << "the second monitor's layer shows in captures";
}

TEST(Options, AreOnUnlessZeroIsStored) {
    // nullptr: nothing stored.
    const std::pair<const char*, bool> cases[] = {{nullptr, true}, {"1", true},  {"", true},
                                                  {"2", true},     {"0", false}, {" 0 ", false},
                                                  {"00", true},    {"0x", true}};
    for (const auto& [stored, on] : cases) {
        FakePlatform f;
        if (stored) Store(f, "AllScreens", stored);
        f.store["HideInCaptures"] = {StoredText::Kind::Unreadable, {}};
        const Options o = ReadOptions(f);
        EXPECT_EQ(o.allScreens, on) << (stored ? stored : "<none>");
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

namespace dv::fake {
namespace {

TEST_F(TrayMenu, AWarmthTintsEveryMonitorInTheTablesColourScaledToTheDefaultsBrightest) {
    // The table's rows as published (RRGGBB), and each as a tint with its
    // brightest channel at 64 (0xBBGGRR).
    const std::pair<unsigned, Colour> published[] = {{0xFF8300, 0x002140},
                                                     {0xFF9836, 0x0E2640},
                                                     {0xFFA957, 0x162A40},
                                                     {0xFFC184, 0x213040},
                                                     {0xFFD5AD, 0x2B3540}};
    ASSERT_EQ(std::size(kWarmths), std::size(published));
    for (std::size_t i = 0; i < std::size(kWarmths); ++i) {
        const Warmth& w = kWarmths[i];
        EXPECT_EQ(unsigned{w.red} << 16 | unsigned{w.green} << 8 | w.blue, published[i].first);
        EXPECT_EQ(WarmthTint(w), published[i].second) << w.kelvin;
    }
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    Put("PerMonitor", "1");
    LaunchToNight();
    PickInMenu(kWarmth2700);
    EXPECT_EQ(program.frmNight.BackColor(), 0x162A40u);
    EXPECT_EQ(program.night.Tint(MonitorIdentity(fake.Monitors()[1])), 0x162A40u);
    EXPECT_EQ(program.night.Tint(), 0x162A40u) << "the shared one too";
    EXPECT_EQ(Stored("lngColor"), LngToText(0x162A40)) << "stored at once";
    PickInMenu(0);
    EXPECT_TRUE(Item(kWarmth2700).checked);
    EXPECT_EQ(Item(kWarmth2700).text, "2700 K (白炽灯)");
    EXPECT_FALSE(Item(kWarmth1900).checked);
}

}  // namespace
}  // namespace dv::fake
