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

TEST_F(Startup, SplashIsTopMostBeforeItIsShownAndCountsDownFromFive) {
    Launch();
    ASSERT_GE(fake.calls.size(), 2u);
    const auto& splash = program.frmSplash;
    const Handle h = splash.Peer()->Hwnd();
    auto topmost = std::find_if(fake.calls.begin(), fake.calls.end(),
                                [](const Call& c) { return c.name == "SetWindowPos"; });
    auto shown = std::find_if(fake.calls.begin(), fake.calls.end(),
                              [](const Call& c) { return c.name == "Show"; });
    ASSERT_NE(topmost, fake.calls.end());
    EXPECT_LT(topmost, shown);
    EXPECT_EQ(topmost->args, (std::vector<std::int64_t>{h, -1, 0, 0, 0, 0, 3}));
    EXPECT_TRUE(program.frmSplash.IsShown());

    std::vector<std::string> seen{program.frmSplash.lbTime.Caption()};
    for (int i = 0; i < 4; ++i) {
        fake.Advance(999);
        EXPECT_EQ(program.frmSplash.lbTime.Caption(), seen.back()) << "a tick came early";
        fake.Advance(1);
        seen.push_back(program.frmSplash.lbTime.Caption());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "4", "3", "2", "1"}));
    EXPECT_FALSE(program.frmNight.IsLoaded());

    fake.Advance(1000);  // the fifth tick
    EXPECT_TRUE(program.frmNight.IsShown());
    EXPECT_FALSE(program.frmSplash.IsLoaded());
    EXPECT_EQ(fake.now, 5000);
}

TEST_F(Startup, ACountdownTextOfOneOrLessOrNoNumberShowsTheOverlayAtTheNextTick) {
    for (const char* text : {"1", "0", "-3", "x", ""}) {
        FakePlatform f;
        Program p{f};
        f.Launch([&] { p.Start(); });
        f.Run([&] { p.frmSplash.lbTime.SetCaption(text); });
        f.Advance(1000);
        EXPECT_TRUE(p.frmNight.IsShown()) << text;
        EXPECT_FALSE(p.frmSplash.IsLoaded()) << text;
        f.Stop();
    }
}

TEST_F(Startup, LinkTurnsRedUnderThePointerAndWhiteOnlyOverTheBareSurface) {
    Launch();
    auto& s = program.frmSplash;
    auto centre = [](const Label& l) { return std::pair{l.Rect().left + 30, l.Rect().top + 30}; };
    auto [lx, ly] = centre(s.Label5);
    fake.MouseMove(s, lx, ly);
    EXPECT_EQ(s.Label5.ForeColor(), 0x0000FFu);
    auto [ox, oy] = centre(s.Label6);
    fake.MouseMove(s, ox, oy);  // onto another label: stays red
    EXPECT_EQ(s.Label5.ForeColor(), 0x0000FFu);
    fake.MouseMove(s, 150, 4000);  // bare surface
    EXPECT_EQ(s.Label5.ForeColor(), 0xFFFFFFu);
}

TEST_F(Startup, LinkRunsPendingEventsThenStartsTheBrowserAndSurvivesAMissingOne) {
    Launch();
    fake.shellWorks = false;
    fake.Advance(900);
    fake.ClickControl(program.frmSplash, program.frmSplash.Label5);
    const auto shells = fake.CallsNamed("Shell");
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_EQ(shells[0].text, std::string(text::kBrowser) + "  " + text::kHomePage);
    EXPECT_EQ(shells[0].args[0], 1);
    auto doEvents = std::find_if(fake.calls.begin(), fake.calls.end(),
                                 [](const Call& c) { return c.name == "DoEvents"; });
    auto shell = std::find_if(fake.calls.begin(), fake.calls.end(),
                              [](const Call& c) { return c.name == "Shell"; });
    EXPECT_LT(doEvents, shell);
    // The countdown goes on.
    fake.Advance(4100);
    EXPECT_TRUE(program.frmNight.IsShown());
}

}  // namespace
}  // namespace dv::fake
