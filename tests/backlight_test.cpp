// Each monitor's own brightness at night: chosen in the menu or by command,
// set lower only while the layer shows for the night, brought back at every
// way night ends, and never in the way of the rest of the program.
#include "fixture.h"
#include "overlay/monitors.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"
#include "settings/convert.h"
#include "settings/sun.h"
#include "startup/command_line.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr const char* kFirst = "\\\\.\\DISPLAY1";
constexpr const char* kSecond = "\\\\.\\DISPLAY2";

FakePanel Ranged(unsigned minimum, unsigned maximum, unsigned level) {
    FakePanel p;
    p.minimum = minimum;
    p.maximum = maximum;
    p.level = level;
    return p;
}

class Backlight : public ProgramTest {
   protected:
    Backlight() { fake.panels[kFirst] = {FakePanel{}}; }
    FakePanel& Panel(const char* device = kFirst, std::size_t i = 0) {
        return fake.panels[device][i];
    }
    // The day level kept under the monitor's key.
    std::string Day(const char* device = kFirst, const char* key = "DayBacklight") {
        return Stored(DayKey(device, key));
    }
    static std::string DayKey(const char* device, const char* key = "DayBacklight") {
        return std::string(names::kMonitorsSection) + "\\" + MonitorKeyName(device) + "/" + key;
    }
    std::uint32_t Send(const std::vector<std::string>& args) {
        return fake.SendRequest(program.frmNight, kRequestMark, EncodeRequest(args));
    }
    void ClockAt(int hour, int minute) {
        fake.wallStart =
            DaysFromCivil({2026, 12, 7}) * 86400 + hour * 3600 + minute * 60 - fake.now / 1000;
    }
    std::size_t Writes(const char* device = kFirst) { return Panel(device).writes.size(); }
};

TEST_F(Backlight, UntilALevelIsChosenNoMonitorIsAskedAnythingThenItDimsOnlyOnceItsDayIsStored) {
    LaunchToNight();
    PickInMenu(0);
    EXPECT_TRUE(Item(kBacklightLeave).checked);
    EXPECT_THROW(Item(kNoMonitorAnswers), std::runtime_error) << "no level chosen: no line";
    fake.Advance(3000);
    EXPECT_FALSE(fake.MonitorThreadRuns());
    EXPECT_EQ(fake.panelsOpened, 0);
    EXPECT_EQ(Panel().reads, 0);

    PickInMenu(kBacklight40);
    EXPECT_EQ(Stored("Backlight"), "40");
    fake.Advance(1000);
    EXPECT_EQ(Day(), "80") << "the day level is stored before the first write";
    EXPECT_EQ(Panel().level, 40u);
    PickInMenu(0);
    EXPECT_TRUE(Item(kBacklight40).checked);
    EXPECT_THROW(Item(kNoMonitorAnswers), std::runtime_error) << "a monitor answers";

    // A refused store of the day level: that monitor is not set lower.
    fake.refusedWrites.insert(DayKey(kSecond));
    fake.panels[kSecond] = {FakePanel{}};
    fake.ChangeMonitors(program.frmNight, {{0, 0, 1024, 768}, {1024, 0, 2048, 768}});
    fake.Advance(2000);
    EXPECT_EQ(Panel(kSecond).level, 80u);
    EXPECT_TRUE(Panel(kSecond).writes.empty());

    // "Leave as it is": back at day, and the monitors are not asked again.
    PickInMenu(kBacklightLeave);
    fake.Advance(2000);
    EXPECT_EQ(Panel().level, 80u);
    EXPECT_EQ(Day(), "<none>");
    const int reads = Panel().reads + Panel(kSecond).reads;
    fake.ChangeMonitors(program.frmNight, {{0, 0, 1024, 768}, {1024, 0, 2048, 768}});
    fake.Advance(120 * 1000);
    EXPECT_EQ(Panel().reads + Panel(kSecond).reads, reads);
}

TEST_F(Backlight, EachMonitorTakesTheLevelWithinItsOwnRangeNeverAboveItsDayAndAsksAgainLater) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    // Cloned: three physical monitors behind the first display.
    fake.panels[kFirst] = {Ranged(0, 100, 70), Ranged(0, 50, 50), Ranged(0, 100, 30)};
    fake.panels[kSecond] = {Ranged(20, 220, 200)};
    Panel(kSecond).failReads = 1;  // waking as it is opened
    Put("Backlight", "40");
    LaunchToNight();
    fake.Advance(1000);
    EXPECT_EQ(Panel().level, 40u);
    EXPECT_EQ(Panel(kFirst, 1).level, 20u);
    EXPECT_EQ(Panel(kFirst, 2).level, 30u) << "night never brighter than the day";
    EXPECT_EQ(Day(), "70");
    EXPECT_EQ(Day(kFirst, "DayBacklight2"), "50");
    EXPECT_EQ(Panel(kSecond).level, 200u);
    fake.Advance(61 * 1000);
    EXPECT_EQ(Panel(kSecond).level, 100u) << "asked again a minute later";
    EXPECT_EQ(Day(kSecond), "200");

    Started none([](FakePlatform& f) {
        f.panels[kFirst] = {FakePanel{}};
        f.panels[kFirst][0].answers = false;
        Store(f, "Backlight", "20");
    });
    none.fake.TrayNotify(none.program.frmNight, kWmRButtonUp);
    const MenuItem* line = FindItem(none.fake.menus.back(), kNoMonitorAnswers);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, text::kChinese.noMonitorAnswers);
    EXPECT_FALSE(line->enabled);
    none.fake.AnswerMenu(0);
    none.fake.panels[kFirst][0].answers = true;
    none.fake.Advance(61 * 1000);
    EXPECT_EQ(none.fake.panels[kFirst][0].level, 20u) << "the choice stays for when one answers";
}

TEST_F(Backlight, EveryWayNightEndsBringsTheDayLevelBackAndDeletesIt) {
    Put("Backlight", "40");
    LaunchToNight();
    fake.Advance(1000);
    ASSERT_EQ(Panel().level, 40u);
    PickInMenu(kPauseHour);
    fake.Advance(1000);
    EXPECT_EQ(Panel().level, 80u);
    EXPECT_EQ(Day(), "<none>");
    PickInMenu(kResume);
    fake.Advance(1000);
    EXPECT_EQ(Panel().level, 40u);

    // A quick pause and resume writes nothing, however long after the last
    // write; and no two writes are less than a second apart.
    const std::size_t before = Writes();
    fake.Advance(5000);
    PickInMenu(kPauseHour);
    fake.Advance(600);
    PickInMenu(kResume);
    fake.Advance(3000);
    EXPECT_EQ(Writes(), before);
    for (std::size_t i = 1; i < Writes(); ++i)
        EXPECT_GE(Panel().writes[i].first - Panel().writes[i - 1].first, 1000);

    // The turn-off button waits for the monitor before the program ends.
    OpenWithF7();
    fake.ClickButton(program.frmSet, program.frmSet.turnOff);
    EXPECT_TRUE(fake.Ended());
    EXPECT_EQ(Panel().level, 80u);
    EXPECT_EQ(Day(), "<none>");

    for (const auto& end : std::vector<std::function<void(Started&)>>{
             [](Started& s) { s.fake.SystemClose(s.program.frmNight); },
             [](Started& s) {
                 s.fake.SendRequest(s.program.frmNight, kRequestMark,
                                    EncodeRequest(std::vector<std::string>{"/off"}));
             },
             [](Started& s) { s.fake.Run([&s] { s.program.frmNight.Unload(); }); }}) {
        Started s([](FakePlatform& f) {
            f.panels[kFirst] = {FakePanel{}};
            Store(f, "Backlight", "0");
        });
        s.fake.Advance(1000);
        ASSERT_EQ(s.fake.panels[kFirst][0].level, 0u);
        end(s);
        EXPECT_EQ(s.fake.panels[kFirst][0].level, 80u);
        EXPECT_EQ(s.fake.store.count(DayKey(kFirst)), 0u);
    }
}

TEST_F(Backlight, AStoredDayLevelIsTheDayLevelAfterAnEndThatLeftTheMonitorLower) {
    Put("Backlight", "40");
    Put(DayKey(kFirst), "70");
    Panel().level = 40;  // as the program that ended left it
    Put("Schedule", "21:00-07:00");
    ClockAt(23, 0);
    LaunchToNight();
    fake.Advance(1000);
    EXPECT_TRUE(Panel().writes.empty()) << "already at night's level";
    PickInMenu(kPauseHour);
    fake.Advance(1000);
    EXPECT_EQ(Panel().level, 70u) << "the stored day level, not what the monitor showed";
    EXPECT_EQ(Day(), "<none>");

    // By day, the start brings it back at once.
    Started day([](FakePlatform& f) {
        f.panels[kFirst] = {Ranged(0, 100, 40)};
        Store(f, "Backlight", "40");
        Store(f, DayKey(kFirst), "70");
        Store(f, "Schedule", "21:00-07:00");
        f.wallStart = DaysFromCivil({2026, 12, 7}) * 86400 + 12 * 3600;
    });
    day.fake.Advance(1000);
    EXPECT_EQ(day.fake.panels[kFirst][0].level, 70u);
    EXPECT_EQ(day.fake.store.count(DayKey(kFirst)), 0u);

    // So does a start with "leave as it is" chosen meanwhile.
    Started left([](FakePlatform& f) {
        f.panels[kFirst] = {Ranged(0, 100, 40)};
        Store(f, DayKey(kFirst), "70");
    });
    left.fake.Advance(1000);
    EXPECT_EQ(left.fake.panels[kFirst][0].level, 70u);
    EXPECT_EQ(left.fake.store.count(DayKey(kFirst)), 0u);
}

TEST_F(Backlight, TheFadesMoveItInAtMostFiveStepsAndTheUsersOwnChangeHoldsForTheNight) {
    Put("Backlight", "0");
    Put("Schedule", "21:00-07:00");
    ClockAt(20, 55);  // the dusk fade runs from 21:00 to 21:20
    LaunchToNight();
    fake.Advance(30 * 60 * 1000);
    EXPECT_LE(Writes(), 5u);
    EXPECT_EQ(Panel().level, 0u) << "the last step exact";

    // The user turns the monitor up with its own buttons: left for the rest
    // of the night, a change of the displays too; a level picked anew wins.
    Panel().level = 30;
    fake.Advance(61 * 1000);
    fake.ChangeMonitors(program.frmNight, {{0, 0, 1024, 768}});
    fake.Advance(2000);
    EXPECT_EQ(Panel().level, 30u);
    EXPECT_TRUE(Send({"/backlight", "20"}));
    fake.Advance(2000);
    EXPECT_EQ(Panel().level, 20u);

    const std::size_t night = Writes();
    ClockAt(6, 55);  // the dawn fade, 07:00 to 07:20
    fake.Advance(30 * 60 * 1000);
    EXPECT_LE(Writes() - night, 5u);
    EXPECT_EQ(Panel().level, 80u) << "back at the day level all the same";
}

TEST_F(Backlight, AMonitorThatHangsHoldsUpNeitherTheKeysNorTheEnd) {
    Put("Backlight", "40");
    LaunchToNight();
    fake.monitorThreadHangs = true;
    EXPECT_EQ(Send({"/backlight", "20"}), kTaken);
    EXPECT_EQ(Stored("Backlight"), "20");
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->alpha, 150 + kHotKeyStep);
    const int before = fake.now;
    PickInMenu(kTurnOff);
    EXPECT_TRUE(fake.Ended());
    EXPECT_LE(fake.now - before, 2000) << "the end waits at most two seconds";
    EXPECT_EQ(Day(), "80") << "kept for the next start to bring back";
}

TEST_F(Backlight, TheCommandLineStoresALevelOrNoneWithTheExitCodesOfTheOthers) {
    LaunchToNight();
    EXPECT_EQ(Send({"/backlight", "60"}), kTaken);
    fake.Advance(1000);
    EXPECT_EQ(Panel().level, 60u);
    EXPECT_EQ(Send({"/backlight", "NONE"}), kTaken);
    fake.Advance(1000);
    EXPECT_EQ(Stored("Backlight"), "");
    EXPECT_EQ(Panel().level, 80u);
    fake.refusedWrites.insert("Backlight");
    EXPECT_EQ(Send({"/backlight", "20"}), kTaken | kBacklightNotStored);
    EXPECT_EQ(Panel().level, 80u);
    for (const char* wrong : {"101", "-5", "50%", ""})
        EXPECT_FALSE(ParseCommandLine(std::vector<std::string>{"/backlight", wrong}).request)
            << wrong;
}

}  // namespace
}  // namespace dv::fake
