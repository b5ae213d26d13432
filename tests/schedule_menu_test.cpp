// The schedule's submenu: its choices, the sun's hours of the day, and the
// user's own span kept beside the others.
#include "night_fixture.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"

namespace dv::fake {
namespace {

using namespace menu;

TEST_F(Night, TheScheduleSubmenuShowsTheChoicesAndAPickTakesEffectAtOnce) {
    LaunchAt(22, 30);
    PickInMenu(0);
    const MenuItem* schedule = nullptr;
    for (const MenuItem& item : fake.menus.back())
        if (item.text == text::kChinese.menuSchedule) schedule = &item;
    ASSERT_NE(schedule, nullptr);
    std::vector<std::string> texts;
    for (const MenuItem& item : schedule->sub) {
        texts.push_back(item.text);
        EXPECT_TRUE(item.radio);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"不定时", "日落到日出 (21:00 – 07:00)",
                                               "21:00 – 07:00", "22:00 – 07:00", "23:00 – 07:00"}));
    EXPECT_TRUE(Item(kNoSchedule).checked);

    PickInMenu(kSpan23);
    EXPECT_EQ(Stored("Schedule"), "23:00-07:00");
    EXPECT_FALSE(Shown()) << "at once";
    PickInMenu(kSpan22);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Alpha(), 150) << "a pick takes the current level at once";
    PickInMenu(0);
    EXPECT_TRUE(Item(kSpan22).checked);
    EXPECT_FALSE(Item(kNoSchedule).checked);

    fake.refusedWrites = {"Schedule"};
    PickInMenu(kSpan23);
    EXPECT_TRUE(Shown()) << "a refused write keeps the old state";
    fake.refusedWrites.clear();
    PickInMenu(kNoSchedule);
    EXPECT_EQ(Stored("Schedule"), "0");
    EXPECT_FALSE(program.frmNight.scheduleClock.Enabled());
}

TEST_F(Night, AStoredSpanOfItsOwnIsAFurtherCheckedItemAndTheSunShowsTodaysHours) {
    Put("Schedule", "20:30-6:15");
    Put("Latitude", "51.5");
    Put("Longitude", "-0.125");
    LaunchAt(22, 30);
    PickInMenu(0);
    EXPECT_EQ(Item(kStoredSpan).text, "20:30 – 06:15");
    EXPECT_TRUE(Item(kStoredSpan).checked);
    // London on 7 December: sunset 15:52, sunrise 07:51 (GMT), in that
    // order, each within two minutes.
    const SunItem sun = SunShown();
    EXPECT_EQ(sun.name, text::kChinese.menuSun);
    EXPECT_NEAR(sun.sunset, 15 * 60 + 52, 2);
    EXPECT_NEAR(sun.sunrise, 7 * 60 + 51, 2);
    PickInMenu(kSun);
    EXPECT_EQ(Stored("Schedule"), "sun");
    EXPECT_TRUE(Shown());
}

TEST_F(Night, TheUsersOwnSpanStaysInTheMenuAfterAnotherPickAndCanBePickedAgain) {
    Put("Schedule", "20:30-6:15");
    LaunchAt(22, 30);
    PickInMenu(kSpan23);
    EXPECT_EQ(Stored("Schedule"), "23:00-07:00");
    EXPECT_EQ(Stored("OwnSchedule"), "20:30-06:15");
    PickInMenu(0);
    EXPECT_EQ(Item(kStoredSpan).text, "20:30 – 06:15");
    EXPECT_FALSE(Item(kStoredSpan).checked);
    PickInMenu(kStoredSpan);
    EXPECT_EQ(Stored("Schedule"), "20:30-06:15");
    EXPECT_TRUE(Shown());

    // Kept where the store refuses to keep it: nothing changes.
    Put("Schedule", "19:00-05:00");
    Put("OwnSchedule", "20:30-06:15");
    Started other([this](FakePlatform& f) {
        f.store = fake.store;
        f.refusedWrites = {"OwnSchedule"};
    });
    other.fake.TrayNotify(other.program.frmNight, kWmRButtonUp);
    other.fake.AnswerMenu(kNoSchedule);
    EXPECT_EQ(other.fake.store["Schedule"].text, "19:00-05:00");
}

TEST_F(Night, AnOfferedSpanIsNeverListedTwice) {
    Put("Schedule", "22:00-07:00");
    Put("OwnSchedule", "21:00-07:00");
    LaunchAt(22, 30);
    PickInMenu(kNoSchedule);
    PickInMenu(0);
    EXPECT_EQ(FindItem(fake.menus.back(), kStoredSpan), nullptr);
    EXPECT_EQ(Stored("OwnSchedule"), "21:00-07:00") << "nothing of the user's to keep";
}

}  // namespace
}  // namespace dv::fake
