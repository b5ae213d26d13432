#include "fixture.h"
#include "resources/texts.h"

namespace dv::fake {
namespace {

using Startup = ProgramTest;

TEST_F(Startup, SecondCopyEndsBeforeShowingAnything) {
    fake.prevInstance = true;
    Launch();
    EXPECT_TRUE(fake.Ended());
    EXPECT_TRUE(fake.CallsNamed("Show").empty());
    EXPECT_TRUE(fake.CallsNamed("SetWindowPos").empty());
    EXPECT_TRUE(fake.trayIcons.empty());
}

TEST_F(Startup, SplashIsTopMostAndCountsDownFromFive) {
    Launch();
    const auto raised = fake.CallsNamed("SetWindowPos");
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].args,
              (std::vector<std::int64_t>{program.frmSplash.NativeHandle(), -1, 0, 0, 0, 0, 3}));
    EXPECT_TRUE(program.frmSplash.IsShown());

    std::vector<std::string> seen{program.frmSplash.countdown.Caption()};
    for (int i = 0; i < 4; ++i) {
        fake.Advance(999);
        EXPECT_EQ(program.frmSplash.countdown.Caption(), seen.back()) << "a tick came early";
        fake.Advance(1);
        seen.push_back(program.frmSplash.countdown.Caption());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "4", "3", "2", "1"}));
    EXPECT_FALSE(program.frmNight.IsLoaded());

    fake.Advance(1000);  // the fifth tick
    EXPECT_TRUE(program.frmNight.IsShown());
    EXPECT_FALSE(program.frmSplash.IsLoaded());
    EXPECT_EQ(fake.now, 5000);
}

TEST(Countdown, ATextOfOneOrLessOrNoNumberShowsTheOverlayAtTheNextTick) {
    for (const char* text : {"1", "0", "-3", "x", ""}) {
        Started s({}, 0);
        s.fake.Run([&] { s.program.frmSplash.countdown.SetCaption(text); });
        s.fake.Advance(1000);
        EXPECT_TRUE(s.program.frmNight.IsShown()) << text;
        EXPECT_FALSE(s.program.frmSplash.IsLoaded()) << text;
    }
}

TEST_F(Startup, TheLinkTurnsRedUnderThePointerAndStartsTheBrowserOrSurvivesAMissingOne) {
    Launch();
    auto& s = program.frmSplash;
    fake.MouseMove(s, s.homeLink.Rect().left + 30, s.homeLink.Rect().top + 30);
    EXPECT_EQ(s.homeLink.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, s.feedback.Rect().left + 30, s.feedback.Rect().top + 30);
    EXPECT_EQ(s.homeLink.ForeColor(), 0x0000FFu) << "onto another label: stays red";
    fake.MouseMove(s, 150, 4000);  // bare surface
    EXPECT_EQ(s.homeLink.ForeColor(), 0xFFFFFFu);
    fake.shellWorks = false;
    fake.Advance(900);
    fake.ClickControl(program.frmSplash, program.frmSplash.homeLink);
    const auto shells = fake.CallsNamed("Shell");
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_EQ(shells[0].text, std::string(text::kBrowser) + "  " + text::kHomePage);
    EXPECT_EQ(shells[0].args[0], 1);
    // The countdown goes on.
    fake.Advance(4100);
    EXPECT_TRUE(program.frmNight.IsShown());
}

}  // namespace
}  // namespace dv::fake
