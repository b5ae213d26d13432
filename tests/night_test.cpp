// Night mode by itself: the schedule, its fades, the pause and the hot keys.
#include "night_fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "settings/schedule.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr int kAlt = kModAlt;

// What a program started at a local time with these settings shows.
struct Outcome {
    bool shown = false, keepOnTop = false, clock = false;
    int alpha = -1;
};

Outcome StartWith(const std::vector<std::pair<std::string, std::string>>& stored, int hour,
                  int minute, int offset = 0, const std::string& zone = {}) {
    Started s([&](FakePlatform& f) {
        for (const auto& [key, text] : stored) Store(f, key, text);
        f.timeZone = zone;
        f.offsetMinutes = offset;
        f.wallStart = DaysFromCivil(kToday) * 86400 + hour * 3600 + minute * 60 - offset * 60 - 5;
    });
    const FakeWindow* w = s.fake.WindowOf(s.program.frmNight);
    return {w && w->visible, s.program.frmNight.keepOnTop.Enabled(),
            s.program.frmNight.scheduleClock.Enabled(), w && w->alpha ? *w->alpha : -1};
}

TEST(NightStart, WithoutAReadableScheduleNoClockRunsAndASpanTintsAtOnceOrWaitsHidden) {
    for (const char* unreadable : {"", "0", "sunrise", "21:00-21:00"}) {
        const Outcome o = StartWith({{"Schedule", unreadable}}, 12, 0);
        EXPECT_TRUE(o.shown && o.keepOnTop) << unreadable;
        EXPECT_EQ(o.alpha, 150) << unreadable;
        EXPECT_FALSE(o.clock) << unreadable;
    }
    const Outcome deep = StartWith({{"Schedule", "21:00-07:00"}}, 23, 30);
    EXPECT_TRUE(deep.shown && deep.keepOnTop && deep.clock);
    EXPECT_EQ(deep.alpha, 150) << "deep in the night: no fade at start";
    const Outcome later = StartWith({{"Schedule", "23:45-07:00"}}, 23, 30);
    EXPECT_FALSE(later.shown);
    EXPECT_FALSE(later.keepOnTop);
    EXPECT_TRUE(later.clock);
}

TEST_F(Night, ByDayTheLayersHideTheirKeepOnTopStopsAndTheIconAndF7Stay) {
    Put("Schedule", "21:00-07:00");
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchAt(12, 0);
    EXPECT_FALSE(Shown());
    ASSERT_EQ(program.night.Companions().All().size(), 1u);
    EXPECT_FALSE(program.night.Companions().All()[0]->IsShown())
        << "the companion is never shown either";
    const int raises = Raises();
    fake.Advance(5000);
    EXPECT_EQ(Raises(), raises) << "no keep-on-top work for hidden layers";
    EXPECT_EQ(fake.trayIcons.size(), 1u);

    // The settings window shows the tint as it will be, and hides it again.
    OpenWithF7();
    ASSERT_TRUE(program.frmSet.IsShown());
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(program.night.Companions().All()[0]->IsShown());
    EXPECT_EQ(Alpha(), 150);
    fake.Advance(1000);
    EXPECT_TRUE(Shown()) << "the clock does not hide what the user is choosing";
    fake.MouseMove(program.frmSet, 3600, 1290, kLeftButton);
    const int chosen = program.night.Strength();
    EXPECT_EQ(Alpha(), chosen);
    CloseWithX();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(program.night.Companions().All()[0]->IsShown());
    EXPECT_EQ(Stored("intLig"), std::to_string(chosen));
    fake.Advance(1000);
    EXPECT_EQ(Raises(), raises);
}

TEST_F(Night, TheEveningFadeStepsOnlyWhenTheAlphaChangesAndEndsAtTheUsersStrength) {
    Put("Schedule", "21:00-07:00");
    LaunchAt(20, 59, 0);
    EXPECT_FALSE(Shown());
    fake.Advance(60 * 1000);
    EXPECT_FALSE(Shown()) << "at 21:00 itself the fade has not begun";
    fake.calls.clear();
    fake.Advance(20 * 60 * 1000 + 1000);
    EXPECT_TRUE(Shown());
    std::vector<int> steps;
    for (const Call& c : fake.CallsNamed("SetLayeredWindowAttributes"))
        if (c.args[0] == OverlayHwnd()) steps.push_back(static_cast<int>(c.args[2]));
    ASSERT_EQ(steps.size(), 150u) << "one call for each new alpha, none for the same";
    for (std::size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(steps[i], static_cast<int>(i) + 1);
    EXPECT_EQ(Alpha(), 150);
    EXPECT_TRUE(program.frmNight.keepOnTop.Enabled());
}

TEST_F(Night, AChangedZoneOrAClockSetByHandIsFollowedAndNoFadeStaysHalfWay) {
    Put("Schedule", "21:00-07:00");
    LaunchAt(21, 10);
    EXPECT_EQ(Alpha(), 75);
    // Told: at once.
    fake.SetClock(fake.Now().utc, 60);
    EXPECT_EQ(Alpha(), 150);
    // Not told: within a second.
    fake.SetClock(fake.Now().utc - 9 * 3600, 60, false);
    EXPECT_TRUE(Shown());
    fake.Advance(1000);
    EXPECT_FALSE(Shown());
    // Back into the fade, a wake from sleep later.
    fake.SetClock(fake.Now().utc + 9 * 3600 - 3600 - 5 * 60, 60);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 37);
}

TEST_F(Night, TheSunIsWorkedOutForTheStoredPlaceElseTheTimeZonesElseNineToSeven) {
    EXPECT_TRUE(StartWith({{"Schedule", "sun"}}, 21, 30).shown) << "no place: 21:00 to 07:00";
    EXPECT_FALSE(StartWith({{"Schedule", "sun"}}, 20, 30).shown);
    EXPECT_FALSE(StartWith({{"Schedule", "sun"}}, 20, 30, 480, "Mars Standard Time").shown)
        << "a zone the list does not know: no place";
    // The zone of Kuala Lumpur and Singapore, where the sun set at about
    // 19:15: deep night at 21:30, day at 18:30, whatever 21:00 would say.
    const Outcome night = StartWith({{"Schedule", "sun"}}, 21, 30, 480, "Singapore Standard Time");
    EXPECT_TRUE(night.shown);
    EXPECT_EQ(night.alpha, 150);
    EXPECT_FALSE(StartWith({{"Schedule", "sun"}}, 18, 30, 480, "Singapore Standard Time").shown);
    // A stored place on the other side of the earth, where it is morning.
    const std::vector<std::pair<std::string, std::string>> elsewhere{
        {"Schedule", "sun"}, {"Latitude", "1.29"}, {"Longitude", "-76.15"}};
    EXPECT_FALSE(StartWith(elsewhere, 21, 30, 480, "Singapore Standard Time").shown);
    // One coordinate out of range or unreadable: the zone's again.
    for (const char* bad : {"91", "1,29", ""}) {
        EXPECT_TRUE(StartWith({{"Schedule", "sun"}, {"Latitude", bad}, {"Longitude", "-76.15"}}, 21,
                              30, 480, "Singapore Standard Time")
                        .shown)
            << bad;
    }
    // Latitude is latitude: 45 N at 90 W is an hour and a half into the
    // night at 01:00 UTC, while 90 S (the coordinates the other way round)
    // has the sun all day in December.
    EXPECT_TRUE(
        StartWith({{"Schedule", "sun"}, {"Latitude", "45"}, {"Longitude", "-90"}}, 1, 0).shown);
}

TEST_F(Night, AChangedTimeZoneMovesTheSunWithIt) {
    fake.timeZone = "Singapore Standard Time";
    Put("Schedule", "sun");
    ClockAt(21, 10, 0, 480);
    LaunchToNight();
    EXPECT_EQ(Alpha(), 150);
    // Moved to the zone of Moscow, 16:10 there at the same moment, where
    // the sun set at 15:58.
    fake.timeZone = "Russian Standard Time";
    fake.SetClock(fake.Now().utc, 180);
    EXPECT_TRUE(Shown());
    EXPECT_LT(Alpha(), 150) << "a quarter of an hour into Moscow's evening fade";
    // And the menu shows Moscow's times for 7 December: sunset 15:58,
    // sunrise 08:44, each within two minutes.
    PickInMenu(0);
    EXPECT_NEAR(SunShown().sunset, 15 * 60 + 58, 2);
    EXPECT_NEAR(SunShown().sunrise, 8 * 60 + 44, 2);
}

TEST_F(Night, HotKeysStepTheStrengthEverywhereAndWriteItOnceThePressesStopOrTheProgramCloses) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchAt(22, 0);
    OpenWithF7();
    for (int i = 0; i < 3; ++i) {
        fake.PressHotKey(kAlt, kVkNext);
        fake.Advance(1500);
    }
    EXPECT_EQ(program.night.Strength(), 198);
    EXPECT_EQ(Alpha(), 198);
    EXPECT_EQ(fake.WindowOf(*program.night.Companions().All()[0])->alpha, 198);
    EXPECT_FLOAT_EQ(program.frmSet.sliderKnob.X1(),
                    KnobX(program.frmSet.sliderTrack.X1(), program.frmSet.sliderTrack.X2(), 198));
    EXPECT_EQ(Stored("intLig"), "<none>") << "not at every press";
    fake.Advance(500);
    EXPECT_EQ(Stored("intLig"), "198");
    CloseWithX();

    for (int i = 0; i < 5; ++i) fake.PressHotKey(kAlt, kVkNext);
    EXPECT_EQ(Alpha(), 254) << "the slider's darkest";
    for (int i = 0; i < 20; ++i) fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(Alpha(), 0);
    EXPECT_TRUE(Shown());
    fake.SystemClose(program.frmNight);
    EXPECT_EQ(Stored("intLig"), "0") << "written when the program closes before the delay";
}

TEST_F(Night, AStoredStrengthBeyondTheSliderIsNotMadeBrighterByDarker) {
    Put("intLig", "255");
    LaunchAt(22, 0);
    fake.PressHotKey(kAlt, kVkNext);
    EXPECT_EQ(Alpha(), 255);
    fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(Alpha(), 239);
}

TEST_F(Night, HotKeysInAFadeScaleWithItAndCombinationsHeldElsewhereAreLeftAlone) {
    fake.heldElsewhere = {{kAlt, kVkNext}};
    Put("Schedule", "21:00-07:00");
    LaunchAt(21, 10);
    EXPECT_EQ(fake.CallsNamed("RegisterHotKey").size(), 3u);
    fake.PressHotKey(kAlt, kVkNext);
    EXPECT_EQ(program.night.Strength(), 150) << "another program's combination";
    fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(program.night.Strength(), 134);
    EXPECT_EQ(Alpha(), 67);
}

TEST_F(Night, HotKeysTurnOffAndOnFromTheMenuAndSayWhichAnotherProgramHolds) {
    fake.heldElsewhere = {{kAlt, kVkEnd}};
    LaunchAt(22, 0);
    PickInMenu(0);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Alt+End 被其他程序占用)");
    EXPECT_TRUE(Item(kHotKeys).checked);
    PickInMenu(kHotKeys);
    EXPECT_EQ(Stored("HotKeys"), "0");
    fake.PressHotKey(kAlt, kVkNext);
    EXPECT_EQ(Alpha(), 150) << "off: the keys are the other programs' again";
    EXPECT_TRUE(fake.hotKeys.empty());
    PickInMenu(0);
    EXPECT_FALSE(Item(kHotKeys).checked);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Alt+PgDn / Alt+PgUp / Alt+End)");

    fake.heldElsewhere = {{kAlt, kVkEnd}, {kAlt, kVkNext}};
    fake.refusedWrites = {"HotKeys"};
    PickInMenu(kHotKeys);
    EXPECT_TRUE(fake.hotKeys.empty()) << "a refused write keeps them off";
    fake.refusedWrites.clear();
    PickInMenu(kHotKeys);
    EXPECT_EQ(Stored("HotKeys"), "1");
    fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(Alpha(), 134);
    PickInMenu(0);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Alt+PgDn、Alt+End 被其他程序占用)");
}

TEST_F(Night, HotKeysStoredOffAreNeverRegistered) {
    Put("HotKeys", "0");
    LaunchAt(22, 0);
    EXPECT_TRUE(fake.CallsNamed("RegisterHotKey").empty());
}

}  // namespace
}  // namespace dv::fake
