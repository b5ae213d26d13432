// A command line, as the copy that runs carries it out, whatever it is
// doing.
#include "fixture.h"
#include "overlay/monitors.h"
#include "settings/convert.h"
#include "startup/command_line.h"

namespace dv::fake {
namespace {

constexpr CivilDate kToday{2026, 12, 7};

class Command : public ProgramTest {
   protected:
    Command() { Put("intLig", "150"); }
    // Another copy hands the running one this command line.
    std::uint32_t Send(const std::vector<std::string>& args) {
        return fake.SendRequest(program.frmNight, kRequestMark, EncodeRequest(args));
    }
    void ClockAt(int hour, int minute) {
        fake.wallStart = DaysFromCivil(kToday) * 86400 + hour * 3600 + minute * 60 - fake.now / 1000;
    }
    const FakeWindow& Overlay() { return *fake.WindowOf(program.frmNight); }
    int Writes() { return static_cast<int>(fake.CallsNamed("SaveSetting").size()); }
};

TEST_F(Command, TheRunningCopyTakesEachChangeAtOnceAndStoresItAsItsWindowsWould) {
    LaunchToNight();
    EXPECT_TRUE(Send({"/brightness", "40", "/colour", "402000"}));
    EXPECT_EQ(Overlay().alpha, 153);
    EXPECT_EQ(program.frmNight.BackColor(), 0x002040u);
    EXPECT_EQ(Stored("intLig"), "153");
    EXPECT_EQ(Stored("lngColor"), std::to_string(0x002040));

    EXPECT_TRUE(Send({"/darker"}));
    EXPECT_EQ(Overlay().alpha, 153 + kHotKeyStep);
    EXPECT_EQ(Stored("intLig"), std::to_string(153 + kHotKeyStep)) << "stored at once";
    EXPECT_TRUE(Send({"/brighter"}));
    EXPECT_EQ(Stored("intLig"), "153");

    EXPECT_TRUE(Send({"/schedule", "sun"}));
    EXPECT_EQ(Stored("Schedule"), "sun");
    EXPECT_TRUE(program.frmNight.scheduleClock.Enabled()) << "the schedule's clock runs";
    EXPECT_FALSE(Send({})) << "nothing asked: not a command";
}

TEST_F(Command, WithTheSettingsWindowOpenItFollowsAndSettingsOpensItAsF7Does) {
    LaunchToNight();
    const Handle console = fake.UserWindow();
    EXPECT_TRUE(Send({"/settings"}));
    fake.Advance(100);  // from the program's own loop, at the F7 poll
    ASSERT_TRUE(program.frmSet.IsShown());
    EXPECT_EQ(fake.CallsNamed("RunModal").size(), 1u) << "modal over the overlay";
    EXPECT_TRUE(Send({"/settings"})) << "open already";
    fake.Advance(100);
    EXPECT_EQ(fake.CallsNamed("RunModal").size(), 1u);

    EXPECT_TRUE(Send({"/brightness", "70", "/colour", "0000ff"}));
    EXPECT_EQ(program.frmSet.AccessibleParts()[0].value, "70%") << "the knob follows";
    EXPECT_EQ(program.frmSet.swatch.BackColor(), 0xFF0000u) << "the swatch follows";
    CloseWithX();
    EXPECT_EQ(fake.foreground, console) << "the keyboard goes back to the console";
    EXPECT_EQ(Stored("intLig"), std::to_string(AlphaForBrightness(70)));
}

TEST_F(Command, SettingsWaitsForAnOpenMenuAndNothingIsTakenWhileStarting) {
    Launch();
    std::uint32_t taken = kTaken;
    const std::string request = EncodeRequest(std::vector<std::string>{"/brightness", "40"});
    fake.Run([&] { taken = fake.CarryRequest(kRequestMark, request); });
    EXPECT_EQ(taken, kRefused) << "during the countdown";
    fake.Advance(5000);
    fake.TrayNotify(program.frmNight, kWmRButtonUp);
    ASSERT_TRUE(fake.menuOpen);
    EXPECT_TRUE(Send({"/settings"}));
    fake.Advance(500);
    EXPECT_FALSE(program.frmSet.IsLoaded()) << "never over the icon's menu";
    fake.AnswerMenu(0);
    fake.Advance(100);
    EXPECT_TRUE(program.frmSet.IsShown());
}

TEST_F(Command, PauseResumeAndToggleFollowWhatShowsAndStoreNothing) {
    LaunchToNight();
    EXPECT_TRUE(Send({"/pause", "2"}));
    EXPECT_FALSE(Overlay().visible);
    EXPECT_TRUE(Send({"/brightness", "40"})) << "a change while paused";
    EXPECT_FALSE(Overlay().visible) << "stays paused";
    const int writes = Writes();
    fake.Advance(2 * 60 * 1000 + 1000);
    EXPECT_TRUE(Overlay().visible) << "the pause ends after its minutes";
    EXPECT_EQ(Overlay().alpha, 153);

    EXPECT_TRUE(Send({"/toggle"}));
    EXPECT_FALSE(Overlay().visible);
    EXPECT_TRUE(Send({"/toggle"}));
    EXPECT_TRUE(Overlay().visible);
    EXPECT_TRUE(Send({"/pause"}));
    fake.Advance(59 * 60 * 1000);
    EXPECT_FALSE(Overlay().visible) << "an hour when no minutes are given";
    EXPECT_TRUE(Send({"/resume"}));
    EXPECT_TRUE(Overlay().visible);
    EXPECT_EQ(Writes(), writes) << "a pause is never stored";
}

TEST_F(Command, ByDayToggleLeavesTheDayAloneAndTheStrengthWaitsForTheNight) {
    Put("Schedule", "21:00-07:00");
    ClockAt(12, 0);
    LaunchToNight();
    ASSERT_FALSE(Overlay().visible);
    EXPECT_TRUE(Send({"/toggle"}));
    EXPECT_FALSE(program.night.Paused()) << "nothing shows to pause";
    EXPECT_TRUE(Send({"/brightness", "20"}));
    EXPECT_FALSE(Overlay().visible);
    EXPECT_EQ(Stored("intLig"), std::to_string(AlphaForBrightness(20)));
    ClockAt(22, 0);
    fake.Advance(1000);
    EXPECT_TRUE(Overlay().visible);
    EXPECT_EQ(Overlay().alpha, AlphaForBrightness(20));
}

TEST_F(Command, WithALevelForEachMonitorItActsOnEveryMonitor) {
    const std::string pathA = "\\\\?\\DISPLAY#AAA0001#1", pathB = "\\\\?\\DISPLAY#BBB0002#2";
    Put("PerMonitor", "1");
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    fake.monitorNames = {{"\\\\.\\DISPLAY1", pathA}, {"\\\\.\\DISPLAY2", pathB}};
    const auto own = [](const std::string& path) {
        return StoreKey(std::string(names::kMonitorsSection) + "\\" + MonitorKeyName(path),
                        "intLig");
    };
    Put(own(pathB), "60");
    LaunchToNight();
    const FakeWindow& side = *fake.WindowOf(*program.night.Companions().All().at(0));
    EXPECT_TRUE(Send({"/darker"}));
    EXPECT_EQ(Overlay().alpha, 150 + kHotKeyStep);
    EXPECT_EQ(side.alpha, 60 + kHotKeyStep) << "each from its own level";
    EXPECT_EQ(Stored(own(pathB)), std::to_string(60 + kHotKeyStep));
    EXPECT_TRUE(Send({"/brightness", "40"}));
    EXPECT_EQ(Overlay().alpha, 153);
    EXPECT_EQ(side.alpha, 153);
    EXPECT_EQ(Stored(own(pathA)), "153");
    EXPECT_EQ(Stored(own(pathB)), "153");
}

TEST_F(Command, ARefusedWriteStillChangesWhatShowsAndIsTriedAgain) {
    LaunchToNight();
    fake.refusedWrites = {"intLig", "Schedule"};
    EXPECT_EQ(Send({"/brightness", "40", "/schedule", "sun"}),
              kTaken | kStrengthNotStored | kScheduleNotStored)
        << "the answer names what the store refused";
    EXPECT_EQ(Overlay().alpha, 153);
    EXPECT_EQ(Stored("intLig"), "150");
    EXPECT_EQ(program.night.State().schedule, Schedule{}) << "a schedule not stored is not taken";
    fake.refusedWrites.clear();
    EXPECT_EQ(Send({"/colour", "402000"}), kTaken);
    EXPECT_EQ(Stored("intLig"), "153") << "written with the next change";
}

TEST_F(Command, AnythingButAWellFormedCommandOfOursIsIgnored) {
    LaunchToNight();
    const int writes = Writes();
    const std::string good = EncodeRequest(std::vector<std::string>{"/brightness", "40"});
    EXPECT_FALSE(fake.SendRequest(program.frmNight, kRequestMark + 1, good));
    EXPECT_FALSE(Send({"/brightness", "40", "/dim"})) << "nothing of a command half wrong";
    EXPECT_FALSE(Send({"/help"}));
    EXPECT_EQ(Overlay().alpha, 150);
    EXPECT_EQ(Writes(), writes);
}

TEST_F(Command, OffAnswersFirstThenSavesAndEnds) {
    LaunchToNight();
    fake.refusedWrites = {"intLig", "lngColor"};
    EXPECT_EQ(Send({"/brightness", "30", "/off"}), kTaken | kStrengthNotStored)
        << "what the end could not write of what the command changed, the tint not";
    EXPECT_TRUE(fake.Ended());
    EXPECT_EQ(Stored("intLig"), "150");
    EXPECT_TRUE(fake.trayIcons.empty());
}

}  // namespace
}  // namespace dv::fake
