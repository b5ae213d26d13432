// A level for each monitor: known by an identity that outlives a reorder,
// edited where the settings window stands and where the pointer is.
#include "fixture.h"
#include "overlay/monitors.h"
#include "settings/convert.h"
#include "startup/command_line.h"
#include "overlay/tray_menu.h"

namespace dv::fake {
namespace {

constexpr PixelRect kMain{0, 0, 1024, 768};
constexpr PixelRect kSide{1024, 0, 2048, 768};
constexpr PixelRect kThird{2048, 0, 3072, 768};
const std::string kPathA =
    "\\\\?\\DISPLAY#AAA0001#4&1a&0&UID256#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
const std::string kPathB =
    "\\\\?\\DISPLAY#BBB0002#4&1a&0&UID257#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
const std::string kPathC =
    "\\\\?\\DISPLAY#CCC0003#4&1a&0&UID258#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

class PerMonitor : public ProgramTest {
   protected:
    PerMonitor() {
        Put("intLig", "150");
        Put("lngColor", "255");
        Put("PerMonitor", "1");
        fake.monitors = {kMain, kSide};
        fake.monitorNames = {{"\\\\.\\DISPLAY1", kPathA}, {"\\\\.\\DISPLAY2", kPathB}};
    }
    // A value of a monitor's own, as the store keeps it.
    static std::string Own(const std::string& path, const char* key) {
        return StoreKey(std::string(names::kMonitorsSection) + "\\" + MonitorKeyName(path), key);
    }
    void PutOwn(const std::string& path, const char* key, const std::string& text) {
        Put(Own(path, key), text);
    }
    const FakeWindow& Overlay() { return *fake.WindowOf(program.frmNight); }
    const FakeWindow& Companion(std::size_t n = 0) {
        return *fake.WindowOf(*program.night.Companions().All().at(n));
    }
    // Writes of `key` into the settings' own section.
    int SharedWrites(const std::string& key) {
        int n = 0;
        for (const Call& c : fake.CallsNamed("SaveSetting"))
            if (c.text.starts_with("Duskveil/Settings/" + key + "=")) ++n;
        return n;
    }
    std::string SliderValue() { return program.frmSet.AccessibleParts()[0].value; }
};

TEST_F(PerMonitor, EachMonitorShowsItsOwnAndOneSeenFirstStartsFromTheShared) {
    fake.monitors = {kMain, kSide, kThird};
    fake.monitorNames.push_back({"\\\\.\\DISPLAY3", kPathC});
    PutOwn(kPathB, "intLig", "60");
    PutOwn(kPathB, "lngColor", "65280");
    LaunchToNight();
    EXPECT_EQ(Overlay().alpha, 150);
    EXPECT_EQ(program.frmNight.BackColor(), 255u);
    EXPECT_EQ(Companion(0).alpha, 60);
    EXPECT_EQ(Companion(0).form->BackColor(), 65280u);
    EXPECT_EQ(Companion(1).alpha, 150) << "seen first: the shared level";
    EXPECT_EQ(Companion(1).form->BackColor(), 255u);
    EXPECT_TRUE(fake.CallsNamed("SaveSetting").empty()) << "nothing written that was not changed";
}

TEST_F(PerMonitor, EachKeepsItsLevelThroughAReorderANewMainMonitorAndAnUnplug) {
    PutOwn(kPathB, "intLig", "60");
    LaunchToNight();
    // B becomes the main monitor, and the system numbers it first.
    fake.ChangeMonitors(program.frmNight, {kSide, kMain},
                        {{"\\\\.\\DISPLAY1", kPathB}, {"\\\\.\\DISPLAY2", kPathA}});
    EXPECT_EQ(Overlay().alpha, 60);
    EXPECT_EQ(Companion().alpha, 150);
    EXPECT_EQ(Companion().bounds, kMain);
    fake.ChangeMonitors(program.frmNight, {kMain}, {{"\\\\.\\DISPLAY1", kPathA}});
    EXPECT_EQ(Overlay().alpha, 150);
    fake.ChangeMonitors(program.frmNight, {kMain, kSide},
                        {{"\\\\.\\DISPLAY1", kPathA}, {"\\\\.\\DISPLAY2", kPathB}});
    EXPECT_EQ(Companion().alpha, 60) << "back with its own";
}

TEST_F(PerMonitor, AMonitorWithoutAnInterfacePathIsKnownByItsDeviceName) {
    fake.monitorNames = {{"\\\\.\\DISPLAY1", ""}, {"\\\\.\\DISPLAY2", ""}};
    PutOwn("\\\\.\\DISPLAY2", "intLig", "70");
    LaunchToNight();
    EXPECT_EQ(Companion().alpha, 70);
    EXPECT_EQ(MonitorKeyName("\\\\.\\DISPLAY2").find('\\'), std::string::npos);
}

TEST_F(PerMonitor, HotKeysActOnTheMonitorUnderThePointer) {
    LaunchToNight();
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Companion().alpha, 166);
    EXPECT_EQ(Overlay().alpha, 150);
    fake.cursor = {-40, 300};  // left of every monitor: the nearest is the main one
    fake.PressHotKey(kModAlt, kVkPrior);
    EXPECT_EQ(Overlay().alpha, 134);
    fake.Advance(2000);
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "166");
    EXPECT_EQ(Stored(Own(kPathA, "intLig")), "134");
    EXPECT_EQ(SharedWrites("intLig"), 0) << "the shared level stays as it was";
}

TEST_F(PerMonitor, TheSettingsWindowOpensUnderThePointerAndEditsTheMonitorItStandsOn) {
    PutOwn(kPathB, "intLig", "60");
    LaunchToNight();
    fake.cursor = {1500, 300};
    OpenWithF7();
    const PixelRect at = *fake.WindowOf(program.frmSet)->bounds;
    EXPECT_EQ((at.left + at.right) / 2, (kSide.left + kSide.right) / 2) << "centred on it";
    EXPECT_EQ(program.frmSet.monitorName.Caption(), "显示器 2");
    EXPECT_EQ(SliderValue(), BrightnessPercent(60));
    fake.MouseDown(program.frmSet, 3600, 1290, kLeftButton);  // alpha 149
    EXPECT_EQ(Companion().alpha, 149);
    EXPECT_EQ(Overlay().alpha, 150);

    // Moved (Win+Shift+Left, say) onto the main monitor: its level now.
    fake.MoveWindow(program.frmSet, {300, 200, 764, 517});
    EXPECT_EQ(program.frmSet.monitorName.Caption(), "显示器 1");
    EXPECT_EQ(SliderValue(), BrightnessPercent(150));
    EXPECT_EQ(program.frmSet.sliderKnob.X1(), KnobX(program.frmSet.sliderTrack.X1(), program.frmSet.sliderTrack.X2(), 150));
    fake.KeyDown(program.frmSet, kVkEnd);  // brightest: no layer at all
    EXPECT_FALSE(Overlay().visible);
    EXPECT_EQ(Companion().alpha, 149);
    CloseWithX();
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "149");
    EXPECT_EQ(Stored(Own(kPathA, "intLig")), "0");
    EXPECT_EQ(Stored(Own(kPathA, "lngColor")), "255");
    EXPECT_EQ(SharedWrites("intLig"), 0);
    EXPECT_EQ(Stored("intLig"), "150");
}

TEST_F(PerMonitor, OnAMonitorWithoutALayerTheKeysAndTheWindowActOnTheMainOne) {
    Put("AllScreens", "0");
    LaunchToNight();
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Overlay().alpha, 166) << "the layer that shows changes";
    OpenWithF7();
    EXPECT_EQ(program.frmSet.monitorName.Caption(), "显示器 1") << "and is the one named";
    fake.KeyDown(program.frmSet, kVkRight);
    EXPECT_EQ(Overlay().alpha, 166 - 5);
    CloseWithX();
    fake.SendRequest(program.frmNight, kRequestMark,
                     EncodeRequest(std::vector<std::string>{"/darker"}));
    EXPECT_EQ(Stored(Own(kPathA, "intLig")), "177") << "a command acts where a layer is too";
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "<none>") << "nothing stored for what shows nothing";
}

TEST_F(PerMonitor, OffTheMonitorsShareOneLevelAgainAndTheirOwnWaitForNextTime) {
    PutOwn(kPathB, "intLig", "60");
    LaunchToNight();
    PickInMenu(menu::kPerMonitor);
    EXPECT_EQ(Stored("PerMonitor"), "0");
    EXPECT_EQ(Companion().alpha, 150);
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "60");
    fake.cursor = {1500, 300};
    OpenWithF7();
    EXPECT_FALSE(fake.WindowOf(program.frmSet)->bounds.has_value()) << "opens where it always has";
    EXPECT_EQ(program.frmSet.monitorName.Caption(), "");
    CloseWithX();
    PickInMenu(menu::kPerMonitor);
    EXPECT_EQ(Companion().alpha, 60);
}

TEST_F(PerMonitor, NothingTheUserChangedIsLostAroundTheSwitchOrARefusedWrite) {
    Put("PerMonitor", "0");
    LaunchToNight();
    fake.PressHotKey(kModAlt, kVkNext);  // the shared level, 166
    PickInMenu(menu::kPerMonitor);       // on, within the two seconds
    fake.Advance(2000);
    EXPECT_EQ(Stored("intLig"), "166") << "the shared change is written";
    EXPECT_EQ(Companion().alpha, 166) << "a monitor seen first starts from it";
    PickInMenu(menu::kPerMonitor);  // off: the shared level changes again
    fake.PressHotKey(kModAlt, kVkNext);
    PickInMenu(menu::kPerMonitor);  // on: the monitors the user never set follow it
    EXPECT_EQ(Companion().alpha, 182);

    fake.refusedWrites.insert(Own(kPathB, "intLig"));
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    OpenWithF7();
    CloseWithX();
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "<none>");
    fake.refusedWrites.clear();
    fake.cursor = {100, 100};
    OpenWithF7();
    CloseWithX();
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "198") << "written at the next save";
}

TEST_F(PerMonitor, TheItemIsGreyedAndDoesNothingWhileOneMonitorIsCovered) {
    Put("PerMonitor", "0");
    Put("AllScreens", "0");
    LaunchToNight();
    PickInMenu(menu::kPerMonitor);
    EXPECT_FALSE(fake.menus.back()[3].enabled);
    EXPECT_EQ(Stored("PerMonitor"), "0");
    fake.refusedWrites.insert("PerMonitor");
    PickInMenu(menu::kAllScreens);
    PickInMenu(menu::kPerMonitor);
    EXPECT_TRUE(fake.menus.back()[3].enabled);
    EXPECT_FALSE(program.night.Settings().perMonitor) << "a refused write changes nothing";
    fake.refusedWrites.clear();
    PickInMenu(menu::kPerMonitor);
    PickInMenu(menu::kAllScreens);
    PickInMenu(menu::kPerMonitor);
    EXPECT_TRUE(fake.menus.back()[3].enabled) << "on, it can be turned off on one monitor too";
    EXPECT_EQ(Stored("PerMonitor"), "0");
}

TEST_F(PerMonitor, AMonitorAtStrengthZeroHasNoLayerWhileTheScheduleAndPauseReachEveryOther) {
    PutOwn(kPathB, "intLig", "0");
    LaunchToNight();
    EXPECT_FALSE(Companion().visible);
    EXPECT_TRUE(Overlay().visible);
    fake.PressHotKey(kModAlt, kVkEnd);  // pause
    EXPECT_FALSE(Overlay().visible);
    fake.PressHotKey(kModAlt, kVkEnd);
    EXPECT_TRUE(Overlay().visible);
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_TRUE(Companion().visible);
    EXPECT_EQ(Companion().alpha, 16);
}

TEST_F(PerMonitor, BadStoredValuesGiveThatMonitorTheSharedOnesAndStayUntilTheUserChangesIt) {
    PutOwn(kPathB, "intLig", "300");
    PutOwn(kPathB, "lngColor", "16777216");
    fake.store[Own(kPathA, "intLig")] = {StoredText::Kind::Unreadable, {}};
    LaunchToNight();
    EXPECT_EQ(Companion().alpha, 150);
    EXPECT_EQ(Companion().form->BackColor(), 255u);
    EXPECT_EQ(Overlay().alpha, 150);
    fake.cursor = {100, 100};
    OpenWithF7();
    CloseWithX();
    EXPECT_EQ(Stored(Own(kPathB, "intLig")), "300");
    EXPECT_EQ(Stored(Own(kPathB, "lngColor")), "16777216");
}

TEST(Monitors, NamesNumbersAndWhichIsWhere) {
    EXPECT_EQ(MonitorKeyName("\\\\?\\A%5C#B"), "%5C%5C?%5CA%255C#B") << "no backslash, no clash";
    EXPECT_EQ(MonitorNumber(Monitor({}, "\\\\.\\DISPLAY12")), 12);
    EXPECT_EQ(MonitorNumber(Monitor({}, "")), 0);
    const std::vector<Monitor> three{Monitor(kMain), Monitor(kSide), Monitor(kThird)};
    EXPECT_EQ(MonitorAt(three, {2047, 0}), 1u);
    EXPECT_EQ(MonitorAt(three, {5000, -300}), 2u) << "off every monitor: the nearest";
    EXPECT_EQ(MonitorUnder(three, {1900, 0, 2300, 400}), 2u) << "the larger part";
    // Heads that overlap: the one whose centre is nearer.
    const std::vector<Monitor> mirrored{Monitor({0, 0, 1024, 768}), Monitor({0, 0, 800, 600})};
    EXPECT_EQ(MonitorAt(mirrored, {100, 100}), 1u);
    EXPECT_EQ(MonitorAt(mirrored, {900, 700}), 0u);
    EXPECT_EQ(MonitorUnder(mirrored, {168, 142, 632, 459}), 1u);
}

}  // namespace
}  // namespace dv::fake
