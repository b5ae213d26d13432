// A command line: carried out by the copy that runs, whatever it is doing,
// or stored before night mode starts when none runs; and what a script reads
// back.
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

// A copy started with a command line on a backend of its own, which
// `before` sets up: what it did, and the exit code when it ended there.
struct Copy {
    explicit Copy(const std::vector<std::string>& args,
                  const std::function<void(FakePlatform&)>& before = {}) {
        fake.store["intLig"] = {StoredText::Kind::Text, "150"};
        if (before) before(fake);
        fake.Launch([&] { code = program.Start(args, 200); });
    }
    ~Copy() { fake.Stop(); }
    bool Started() const { return program.frmSplash.IsShown(); }

    FakePlatform fake;
    Program program{fake};
    std::optional<int> code;
};

const auto kNoConsole = [](FakePlatform& f) { f.console = false; };
const auto kRunning = [](FakePlatform& f) { f.prevInstance = true; };

TEST(CommandLineStart, AWrongCommandLineChangesAndStartsNothingAndSaysWhy) {
    const Copy wrong({"/brightness", "50%"});
    EXPECT_EQ(wrong.code, kBadCommandLine);
    EXPECT_EQ(wrong.fake.said,
              std::vector<std::string>{"error: /brightness takes a whole number from 0 to 100\n"});
    EXPECT_FALSE(wrong.Started());
    EXPECT_TRUE(wrong.fake.CallsNamed("SaveSetting").empty());
    const Copy alsoRunning({"/colour", "red"}, kRunning);
    EXPECT_EQ(alsoRunning.code, kBadCommandLine);
    EXPECT_TRUE(alsoRunning.fake.handedOver.empty()) << "never handed over";
    const Copy unseen({"/colour", "red"}, kNoConsole);
    EXPECT_EQ(unseen.code, kBadCommandLine);
    EXPECT_TRUE(unseen.fake.messages.empty()) << "no message box stops a scheduled task";
}

TEST(CommandLineStart, HelpGoesToTheConsoleElseToAMessageBox) {
    const Copy typed({"/?"});
    EXPECT_EQ(typed.code, kDone);
    EXPECT_EQ(typed.fake.CallsNamed("LeaveSingleCopy").size(), 1u) << "a start goes on meanwhile";
    EXPECT_EQ(typed.fake.said, std::vector<std::string>{kUsage});
    EXPECT_FALSE(typed.Started());
    const Copy clicked({"-help"}, kNoConsole);
    EXPECT_EQ(clicked.code, kDone);
    EXPECT_EQ(clicked.fake.messages, std::vector<std::string>{kUsage});
}

TEST(CommandLineStart, WithACopyRunningTheCommandIsHandedOverAndItsAnswerRead) {
    const std::vector<std::string> args{"/Brightness", "40", "-toggle"};
    const Copy handed(args, kRunning);
    EXPECT_EQ(handed.code, kDone);
    EXPECT_EQ(handed.fake.handedOver, std::vector<std::string>{EncodeRequest(args)});
    EXPECT_FALSE(handed.Started());
    EXPECT_EQ(handed.fake.copiesStarted, 0);
    EXPECT_TRUE(handed.fake.CallsNamed("SaveSetting").empty()) << "the running copy stores";
    using Kind = RuntimeServices::Handed::Kind;
    const auto answering = [](Kind kind, std::uint32_t answer = 0) {
        return [=](FakePlatform& f) {
            f.prevInstance = true;
            f.handOverAnswer = {kind, answer};
        };
    };
    const Copy unstored({"/brightness", "40", "/schedule", "sun"},
                        answering(Kind::Taken, kTaken | kStrengthNotStored | kScheduleNotStored));
    EXPECT_EQ(unstored.code, kNotStored);
    ASSERT_EQ(unstored.fake.said.size(), 1u);
    EXPECT_NE(unstored.fake.said[0].find("intLig could not be stored; the new strength shows"),
              std::string::npos);
    EXPECT_NE(unstored.fake.said[0].find("Schedule could not be stored"), std::string::npos);
    const Copy ended({"/brightness", "30", "/off"},
                     answering(Kind::Taken, kTaken | kStrengthNotStored));
    EXPECT_EQ(ended.code, kNotStored);
    EXPECT_EQ(ended.fake.said,
              std::vector<std::string>{"error: intLig could not be stored; the new strength is "
                                       "lost\n"})
        << "the copy that would write it has ended";
    for (const Kind kind : {Kind::Refused, Kind::NoAnswer, Kind::OtherRights}) {
        const Copy unanswered({"/off"}, answering(kind));
        EXPECT_EQ(unanswered.code, kNoAnswer) << "a refusal is no success";
        ASSERT_EQ(unanswered.fake.said.size(), 1u);
        EXPECT_EQ(unanswered.fake.said[0].find("other rights") != std::string::npos,
                  kind == Kind::OtherRights);
        EXPECT_EQ(unanswered.fake.CallsNamed("HandOver")[0].args[1], 1) << "/off waits for the end";
    }
}

TEST(CommandLineStart, WithNoneRunningItStoresStartsAPlainCopyAndEnds) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"/pause", "5"}, {"/resume"}, {"/brightness", "40", "/off"}}) {
        const Copy none(args);
        EXPECT_EQ(none.code, kNothingRuns) << args[0];
        EXPECT_TRUE(none.fake.CallsNamed("SaveSetting").empty()) << "nothing of it is done";
        EXPECT_EQ(none.fake.copiesStarted, 0);
        EXPECT_EQ(none.fake.said.size(), 1u);
    }
    Copy stores({"/brightness", "40", "/schedule", "23:00-06:00", "/toggle"});
    EXPECT_EQ(stores.code, kDone) << "the command ends: it never becomes night mode";
    EXPECT_EQ(stores.fake.store["intLig"].text, "153");
    EXPECT_EQ(stores.fake.store["Schedule"].text, "23:00-06:00");
    EXPECT_EQ(stores.fake.copiesStarted, 1);
    const auto at = [&](const char* name) {
        for (std::size_t i = 0; i < stores.fake.calls.size(); ++i)
            if (stores.fake.calls[i].name == name) return i;
        return stores.fake.calls.size();
    };
    EXPECT_LT(at("LeaveSingleCopy"), at("StartCopy")) << "or the copy finds this one running";
    EXPECT_FALSE(stores.Started());
    EXPECT_TRUE(stores.fake.handedOver.empty()) << "the copy starts unpaused, as any start";
    const Copy plain({"/toggle"});
    EXPECT_EQ(plain.code, kDone);
    EXPECT_EQ(plain.fake.copiesStarted, 1);
    EXPECT_TRUE(plain.fake.CallsNamed("SaveSetting").empty());
    const Copy failed({"/toggle"}, [](FakePlatform& f) { f.startWorks = false; });
    EXPECT_EQ(failed.code, kNothingRuns);
}

TEST(CommandLineStart, WithNoneRunningSettingsWaitsForTheCopyItStartedAndHandsItOver) {
    const Copy settings({"/brightness", "40", "/settings"});
    EXPECT_EQ(settings.code, kDone);
    EXPECT_EQ(settings.fake.store.at("intLig").text, "153") << "stored first";
    EXPECT_EQ(settings.fake.copiesStarted, 1);
    EXPECT_EQ(settings.fake.handedOver,
              std::vector<std::string>{EncodeRequest(std::vector<std::string>{"/settings"})});
    EXPECT_GT(settings.fake.CallsNamed("HandOver")[0].args[2], 6000) << "past its countdown";
    const Copy unopened({"/settings"}, [](FakePlatform& f) {
        f.handOverAnswer = {RuntimeServices::Handed::Kind::NoAnswer};
    });
    EXPECT_EQ(unopened.code, kNoAnswer);
}

TEST(CommandLineStart, WithNoneRunningARefusedWriteIsLostAndSaid) {
    const Copy refused({"/brightness", "40", "/colour", "402000"},
                       [](FakePlatform& f) { f.refusedWrites = {"intLig"}; });
    EXPECT_EQ(refused.code, kNotStored);
    EXPECT_EQ(refused.fake.store.at("intLig").text, "150") << "the store keeps what it had";
    EXPECT_EQ(refused.fake.store.at("lngColor").text, std::to_string(0x002040));
    EXPECT_EQ(refused.fake.copiesStarted, 1) << "night mode starts all the same";
    ASSERT_EQ(refused.fake.said.size(), 1u);
    EXPECT_EQ(refused.fake.said[0],
              "error: intLig could not be stored; night mode starts with the strength stored "
              "before\n");
}

}  // namespace
}  // namespace dv::fake
