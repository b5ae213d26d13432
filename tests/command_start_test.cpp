// A copy started with a command line: it hands the command to the copy that
// runs, or stores what it stores and starts a plain copy when none runs, and
// a script reads what happened from its exit code and its lines.
#include "fixture.h"
#include "startup/command_line.h"

namespace dv::fake {
namespace {

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
    EXPECT_TRUE(stores.fake.windows.empty()) << "no window, not even the level's";
    EXPECT_TRUE(stores.fake.CallsNamed("RegisterHotKey").empty());
    EXPECT_TRUE(stores.fake.trayIcons.empty());
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
