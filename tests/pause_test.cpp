// A pause: its lengths, how each ends, and what it leaves stored.
#include "night_fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"
#include "settings/schedule.h"
#include "settings/sun.h"
#include "startup/command_line.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr int kAlt = kModAlt;

TEST_F(Night, APauseHidesForAnHourOfRealTimeThenTheLayersComeBackAndNothingIsStored) {
    LaunchAt(22, 0);
    PickInMenu(kPauseHour);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(program.frmNight.keepOnTop.Enabled());
    PickInMenu(0);
    EXPECT_EQ(Item(kResume).text, text::kChinese.menuResume);
    fake.Advance(59 * 60 * 1000);
    EXPECT_FALSE(Shown());
    fake.Advance(60 * 1000 + 1000);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150);
    EXPECT_FALSE(program.frmNight.scheduleClock.Enabled()) << "no schedule, no pause: no clock";
    PickInMenu(0);
    EXPECT_THROW(Item(kResume), std::runtime_error) << "the submenu again";
    EXPECT_EQ(fake.store.count("Schedule"), 0u);

    // Resumed at once from the menu or with Alt+End.
    PickInMenu(kPauseHour);
    PickInMenu(kResume);
    EXPECT_TRUE(Shown());
    fake.PressHotKey(kAlt, kVkEnd);
    EXPECT_FALSE(Shown());
    fake.PressHotKey(kAlt, kVkEnd);
    EXPECT_TRUE(Shown());

    // An hour of real time, whatever the wall clock does.
    fake.PressHotKey(kAlt, kVkEnd);
    fake.SetClock(fake.Now().utc - 30 * 60, 0);  // set back half an hour
    fake.Advance(30 * 60 * 1000);
    fake.SetClock(fake.Now().utc, 60);  // summer time begins
    fake.Advance(29 * 60 * 1000);
    EXPECT_FALSE(Shown());
    fake.SetClock(fake.Now().utc + 2 * 3600, 60);  // set forward two hours
    EXPECT_FALSE(Shown()) << "59 minutes have passed, whatever the clock reads";
    fake.Advance(60 * 1000 + 1000);
    EXPECT_TRUE(Shown());
}

TEST_F(Night, APauseLastsItsMinutesUntilTheMorningByTheWallClockOrUntilResumed) {
    LaunchAt(23, 0);
    PickInMenu(kPause15);
    fake.Advance(14 * 60 * 1000);
    EXPECT_FALSE(Shown());
    fake.Advance(61 * 1000);
    EXPECT_TRUE(Shown());

    // Without a schedule the morning is 07:00, local time as it is then: a
    // zone an hour further east ends it an hour sooner.
    PickInMenu(kPauseMorning);
    ClockAt(6, 30);
    fake.wallStart += 86400;  // the next morning
    fake.Advance(2000);
    EXPECT_FALSE(Shown());
    fake.SetClock(fake.Now().utc, 60);  // 06:30 here is 07:30 there
    fake.Advance(1000);
    EXPECT_TRUE(Shown());
    // With one, across midnight until the morning's fade is over: the tint
    // does not come back for it. Picked in that fade, this morning's.
    const auto Send = [this](const std::vector<std::string>& args) {
        return fake.SendRequest(program.frmNight, kRequestMark, EncodeRequest(args));
    };
    ClockAt(23, 30);
    EXPECT_TRUE(Send({"/schedule", "21:00-06:30"}));
    EXPECT_TRUE(Send({"/pause", "morning"}));
    fake.Advance(7 * 3600 * 1000);  // 06:30, the fade begins
    EXPECT_FALSE(Shown());
    fake.Advance(19 * 60 * 1000);
    EXPECT_TRUE(program.night.Paused());
    fake.Advance(61 * 1000);  // 06:50
    EXPECT_FALSE(program.night.Paused());
    EXPECT_FALSE(Shown()) << "by day";
    ClockAt(6, 40);
    EXPECT_TRUE(Send({"/pause", "morning"}));
    ClockAt(6, 51);
    fake.Advance(1000);
    EXPECT_FALSE(program.night.Paused());

    // Until resumed: days go by.
    ClockAt(23, 0);
    EXPECT_TRUE(Send({"/pause", "always"}));
    fake.Advance(2 * 24 * 3600 * 1000);
    EXPECT_FALSE(Shown());
    fake.PressHotKey(kAlt, kVkEnd);
    EXPECT_TRUE(Shown());
}

// Berlin, the night summer time begins: the morning is worked out again with
// the zone of now, as the schedule's sunrise is.
TEST_F(Night, UntilMorningFollowsTheSunsScheduleAcrossAChangeOfTheClock) {
    const GeoPoint berlin{52.52, 13.40};
    Put("Schedule", "sun");
    Put("Latitude", "52.52");
    Put("Longitude", "13.40");
    const std::int64_t evening = DaysFromCivil({2026, 3, 28}) * 86400 + 22 * 3600;  // 23:00 CET
    fake.wallStart = evening - 5;
    fake.offsetMinutes = 60;
    LaunchToNight();
    PickInMenu(kPauseMorning);
    ASSERT_TRUE(program.night.Paused());
    const auto sunrise = TodaysSun({evening + 8 * 3600, 120}, berlin);
    ASSERT_TRUE(sunrise);
    // Summer time (UTC+2) is in force once the fade after sunrise is near.
    const std::int64_t fadeOver =
        DaysFromCivil({2026, 3, 29}) * 86400 + (sunrise->sunrise - 120) * 60 + kFadeSeconds;
    fake.SetClock(fadeOver - 60, 120);
    fake.Advance(1000);
    EXPECT_TRUE(program.night.Paused());
    fake.SetClock(fadeOver + 60, 120);
    fake.Advance(1000);
    EXPECT_FALSE(program.night.Paused());
}

}  // namespace
}  // namespace dv::fake
