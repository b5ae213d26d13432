// Night mode by itself: the schedule, its fades, the pause and the hot keys.
#include "fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "settings/schedule.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr CivilDate kToday{2026, 12, 7};
constexpr int kAlt = kModAlt;

// What a program started at a local time with these settings shows.
struct Outcome {
    bool shown = false, keepOnTop = false, clock = false;
    int alpha = -1;
};

Outcome StartWith(const std::vector<std::pair<std::string, std::string>>& stored, int hour,
                  int minute, int offset = 0, std::optional<GeoPoint> region = std::nullopt) {
    FakePlatform fake;
    Program program{fake};
    for (const auto& [key, text] : stored) fake.store[key] = {StoredText::Kind::Text, text};
    fake.region = region;
    fake.offsetMinutes = offset;
    fake.wallStart = DaysFromCivil(kToday) * 86400 + hour * 3600 + minute * 60 - offset * 60 - 5;
    fake.Launch([&program] { program.Start(); });
    fake.Advance(5000);
    Outcome o;
    const FakeWindow* w = fake.WindowOf(program.frmNight);
    o.shown = w && w->visible;
    o.alpha = w && w->alpha ? *w->alpha : -1;
    o.keepOnTop = program.frmNight.Timer2.Enabled();
    o.clock = program.frmNight.Timer3.Enabled();
    fake.Stop();
    return o;
}

class Night : public ProgramTest {
   protected:
    // The wall clock reads this local time now.
    void ClockAt(int hour, int minute, int second = 0, int offset = 0) {
        const std::int64_t local = DaysFromCivil(kToday) * 86400 + hour * 3600 + minute * 60 + second;
        fake.wallStart = local - offset * 60 - fake.now / 1000;
        fake.offsetMinutes = offset;
    }
    // Started with the clock at 5 s before this time, so that the overlay
    // loads at it.
    void LaunchAt(int hour, int minute, int second = 0) {
        ClockAt(hour, minute, second);
        fake.wallStart -= 5;
        LaunchToNight();
    }
    bool Shown() {
        const FakeWindow* w = fake.WindowOf(program.frmNight);
        return w && w->visible;
    }
    int Alpha() { return *fake.WindowOf(program.frmNight)->alpha; }
    int Raises() { return fake.Count("SetWindowPos", OverlayHwnd()); }
    const MenuItem* Find(const std::vector<MenuItem>& items, int id) {
        for (const MenuItem& item : items) {
            if (item.id == id) return &item;
            if (const MenuItem* inner = Find(item.sub, id)) return inner;
        }
        return nullptr;
    }
    const MenuItem& Shown(int id) {
        const MenuItem* item = Find(fake.menus.back(), id);
        if (!item) throw std::runtime_error("no such item");
        return *item;
    }
};

TEST_F(Night, WithoutAScheduleNothingChangesAndNoClockRuns) {
    LaunchAt(12, 0);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150);
    EXPECT_FALSE(program.frmNight.Timer3.Enabled());
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
    for (const char* unreadable : {"", "0", "sunrise", "21:00-21:00"}) {
        const Outcome o = StartWith({{"Schedule", unreadable}}, 12, 0);
        EXPECT_TRUE(o.shown) << unreadable;
        EXPECT_FALSE(o.clock) << unreadable;
    }
}

TEST_F(Night, ASpanAroundNowTintsAtOnceAndOneLaterTodayHidesTheLayersAndTheirWork) {
    Put("Schedule", "21:00-07:00");
    LaunchAt(23, 30);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150) << "deep in the night: no fade at start";
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
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
    ASSERT_EQ(program.screens.All().size(), 1u);
    EXPECT_FALSE(program.screens.All()[0]->IsShown()) << "the companion is never shown either";
    EXPECT_FALSE(program.frmNight.Timer2.Enabled());
    const int raises = Raises();
    fake.Advance(5000);
    EXPECT_EQ(Raises(), raises) << "no keep-on-top work for hidden layers";
    EXPECT_EQ(fake.trayIcons.size(), 1u);

    // The settings window shows the tint as it will be, and hides it again.
    OpenWithF7();
    ASSERT_TRUE(program.frmSet.IsShown());
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(program.screens.All()[0]->IsShown());
    EXPECT_EQ(Alpha(), 150);
    fake.Advance(1000);
    EXPECT_TRUE(Shown()) << "the clock does not hide what the user is choosing";
    fake.MouseMove(program.frmSet, 3600, 1290, kLeftButton);
    const int chosen = program.mdl.bytLig;
    EXPECT_EQ(Alpha(), chosen);
    CloseWithX();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(program.screens.All()[0]->IsShown());
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
    const std::size_t from = fake.calls.size();
    fake.Advance(20 * 60 * 1000 + 1000);
    EXPECT_TRUE(Shown());
    std::vector<int> steps;
    for (std::size_t i = from; i < fake.calls.size(); ++i) {
        const Call& c = fake.calls[i];
        if (c.name == "SetLayeredWindowAttributes" && c.args[0] == OverlayHwnd())
            steps.push_back(static_cast<int>(c.args[2]));
    }
    ASSERT_EQ(steps.size(), 150u) << "one call for each new alpha, none for the same";
    for (std::size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(steps[i], static_cast<int>(i) + 1);
    EXPECT_EQ(Alpha(), 150);
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
}

TEST_F(Night, TheMorningFadeEndsHidden) {
    Put("Schedule", "21:00-07:00");
    LaunchAt(7, 10);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 75) << "a start takes the fade's level at once";
    fake.Advance(5 * 60 * 1000);
    EXPECT_EQ(Alpha(), 37);
    fake.Advance(5 * 60 * 1000 + 1000);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(program.frmNight.Timer2.Enabled());
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

TEST_F(Night, SunWithoutAnyPlaceIsNineToSevenAndAStoredPlaceComesBeforeTheRegions) {
    EXPECT_TRUE(StartWith({{"Schedule", "sun"}}, 21, 30).shown) << "no place: 21:00 to 07:00";
    EXPECT_FALSE(StartWith({{"Schedule", "sun"}}, 20, 30).shown);
    // Singapore's region, where the sun set at about 19:00: deep night.
    const GeoPoint singapore{1.29, 103.85};
    const Outcome night = StartWith({{"Schedule", "sun"}}, 21, 30, 480, singapore);
    EXPECT_TRUE(night.shown);
    EXPECT_EQ(night.alpha, 150);
    // A stored place on the other side of the earth, where it is morning.
    const std::vector<std::pair<std::string, std::string>> elsewhere{
        {"Schedule", "sun"}, {"Latitude", "1.29"}, {"Longitude", "-76.15"}};
    EXPECT_FALSE(StartWith(elsewhere, 21, 30, 480, singapore).shown);
    // One coordinate out of range or unreadable: the region's again.
    for (const char* bad : {"91", "1,29", ""}) {
        EXPECT_TRUE(StartWith({{"Schedule", "sun"}, {"Latitude", bad}, {"Longitude", "-76.15"}},
                              21, 30, 480, singapore)
                        .shown)
            << bad;
    }
}

TEST_F(Night, APauseHidesForAnHourThenTheLayersComeBackAndNothingIsStored) {
    LaunchAt(22, 0);
    PickInMenu(kPause);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(program.frmNight.Timer2.Enabled());
    PickInMenu(0);
    EXPECT_EQ(Shown(kPause).text, text::kMenuResume);
    fake.Advance(59 * 60 * 1000);
    EXPECT_FALSE(Shown());
    fake.Advance(60 * 1000 + 1000);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150);
    EXPECT_FALSE(program.frmNight.Timer3.Enabled()) << "no schedule, no pause: no clock";
    PickInMenu(0);
    EXPECT_EQ(Shown(kPause).text, text::kMenuPause);
    EXPECT_EQ(fake.store.count("Schedule"), 0u);

    // Resumed at once from the menu or with Alt+End.
    PickInMenu(kPause);
    PickInMenu(kPause);
    EXPECT_TRUE(Shown());
    fake.PressHotKey(kAlt, kVkEnd);
    EXPECT_FALSE(Shown());
    fake.PressHotKey(kAlt, kVkEnd);
    EXPECT_TRUE(Shown());
    // A clock set back past the pause's start ends it too.
    fake.PressHotKey(kAlt, kVkEnd);
    fake.SetClock(fake.Now().utc - 7200, 0);
    EXPECT_TRUE(Shown());
}

TEST_F(Night, HotKeysStepTheStrengthEverywhereAndWriteItOnceThePressesStop) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchAt(22, 0);
    OpenWithF7();
    for (int i = 0; i < 3; ++i) {
        fake.PressHotKey(kAlt, kVkNext);
        fake.Advance(1500);
    }
    EXPECT_EQ(program.mdl.bytLig, 198);
    EXPECT_EQ(Alpha(), 198);
    EXPECT_EQ(fake.WindowOf(*program.screens.All()[0])->alpha, 198);
    EXPECT_FLOAT_EQ(program.frmSet.Ly.X1(),
                    KnobX(program.frmSet.Lx.X1(), program.frmSet.Lx.X2(), 198));
    EXPECT_EQ(Stored("intLig"), "<none>") << "not at every press";
    fake.Advance(500);
    EXPECT_EQ(Stored("intLig"), "198");
    CloseWithX();

    for (int i = 0; i < 5; ++i) fake.PressHotKey(kAlt, kVkNext);
    EXPECT_EQ(Alpha(), 254) << "the slider's darkest";
    for (int i = 0; i < 20; ++i) fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(Alpha(), 0);
    EXPECT_TRUE(Shown());
    fake.PressHotKey(kAlt, kVkPrior);
    fake.Advance(2000);
    EXPECT_EQ(Stored("intLig"), "0");
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
    EXPECT_EQ(program.mdl.bytLig, 150) << "another program's combination";
    fake.PressHotKey(kAlt, kVkPrior);
    EXPECT_EQ(program.mdl.bytLig, 134);
    EXPECT_EQ(Alpha(), 67);
}

TEST_F(Night, TheScheduleSubmenuShowsTheChoicesAndAPickTakesEffectAtOnce) {
    LaunchAt(22, 30);
    PickInMenu(0);
    const MenuItem* schedule = nullptr;
    for (const MenuItem& item : fake.menus.back())
        if (item.text == text::kMenuSchedule) schedule = &item;
    ASSERT_NE(schedule, nullptr);
    std::vector<std::string> texts;
    for (const MenuItem& item : schedule->sub) {
        texts.push_back(item.text);
        EXPECT_TRUE(item.radio);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"不定时", "日落到日出 (21:00 – 07:00)",
                                               "21:00 – 07:00", "22:00 – 07:00", "23:00 – 07:00"}));
    EXPECT_TRUE(Shown(kNoSchedule).checked);

    PickInMenu(kSpan23);
    EXPECT_EQ(Stored("Schedule"), "23:00-07:00");
    EXPECT_FALSE(Shown()) << "at once";
    PickInMenu(kSpan22);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150) << "a pick takes the current level at once";
    PickInMenu(0);
    EXPECT_TRUE(Shown(kSpan22).checked);
    EXPECT_FALSE(Shown(kNoSchedule).checked);

    fake.refusedWrites = {"Schedule"};
    PickInMenu(kSpan23);
    EXPECT_TRUE(Shown()) << "a refused write keeps the old state";
    fake.refusedWrites.clear();
    PickInMenu(kNoSchedule);
    EXPECT_EQ(Stored("Schedule"), "0");
    EXPECT_FALSE(program.frmNight.Timer3.Enabled());
}

TEST_F(Night, AStoredSpanOfItsOwnIsAFurtherCheckedItemAndTheSunShowsTodaysHours) {
    Put("Schedule", "20:30-6:15");
    Put("Latitude", "51.5");
    Put("Longitude", "-0.125");
    LaunchAt(22, 30);
    PickInMenu(0);
    EXPECT_EQ(Shown(kStoredSpan).text, "20:30 – 06:15");
    EXPECT_TRUE(Shown(kStoredSpan).checked);
    // London on 7 December: sunset 15:52, sunrise 07:55 (GMT).
    const std::string sun = Shown(kSun).text;
    EXPECT_EQ(sun.substr(0, sun.find(" (")), text::kMenuSun);
    EXPECT_EQ(sun.size(), std::string("日落到日出 (15:52 – 07:55)").size());
    PickInMenu(kSun);
    EXPECT_EQ(Stored("Schedule"), "sun");
    EXPECT_TRUE(Shown());
}

TEST_F(Night, KeepOnTopWaitsWhileTheMenuIsOpenAndNotAfter) {
    Put("Schedule", "21:00-07:00");
    LaunchAt(22, 0);
    fake.TrayNotify(program.frmNight, kWmRButtonUp);
    EXPECT_FALSE(program.frmNight.Timer2.Enabled());
    const int raises = Raises();
    fake.Advance(2000);
    EXPECT_EQ(Raises(), raises);
    fake.AnswerMenu(0);
    EXPECT_TRUE(program.frmNight.Timer2.Enabled());
}

}  // namespace
}  // namespace dv::fake
