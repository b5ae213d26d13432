#include "fixture.h"

namespace dv::fake {
namespace {

using Overlay = ProgramTest;

TEST_F(Overlay, LoadAddsTheIconAndBecomesATopMostClickThroughLayerInTheStoredTint) {
    Launch();
    fake.Advance(4000);
    const std::size_t before = fake.calls.size();
    fake.Advance(1000);
    const Handle h = OverlayHwnd();
    const std::vector<Call> adds = fake.CallsNamed("Shell_NotifyIconA");
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].args, (std::vector<std::int64_t>{0, h, 0x7710, 7, 512, 0x7710, 88}));
    EXPECT_EQ(adds[0].text, std::string("Duskveil") + '\0' + std::string(55, ' '));
    bool topMost = false;
    for (std::size_t i = before; i < fake.calls.size(); ++i) {
        const Call& c = fake.calls[i];
        if (c.name == "SetWindowPos" && c.args[0] == h)
            topMost = topMost || c.args == std::vector<std::int64_t>{h, -1, 0, 0, 0, 0, 0x13};
    }
    EXPECT_TRUE(topMost) << "top-most, never activated";

    const FakeWindow* w = fake.Window(h);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible);
    EXPECT_EQ(w->exStyle, 0x08000080 | 0x80000 | 0x20) << "keeps every bit it had";
    EXPECT_EQ(w->alpha, 150);
    EXPECT_EQ(program.frmNight.BackColor(), 0x4000u);
    EXPECT_EQ(program.night.Strength(), 150);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
    EXPECT_TRUE(fake.CallsNamed("SaveSetting").empty()) << "nothing is written at start";
}

struct StoreCase {
    const char* colour;  // nullptr: nothing stored
    const char* alpha;
    Colour expectColour;
    int expectAlpha;
};

TEST_F(Overlay, StoredSettingsAreReadWithTheirDefaultsAndFailures) {
    // Which texts convert is the conversions' own test; here, what the load
    // does with each outcome.
    const StoreCase cases[] = {
        {nullptr, nullptr, 0x4000, 150},
        {"255", "0", 255, 0},
        {"abc", "200", 0x4000, 200},
        {"1234", "abc", 1234, 0},
    };
    for (const StoreCase& c : cases) {
        FakePlatform f;
        Program p{f};
        if (c.colour) f.store["lngColor"] = {StoredText::Kind::Text, c.colour};
        if (c.alpha) f.store["intLig"] = {StoredText::Kind::Text, c.alpha};
        f.Launch([&] { p.Start(); });
        f.Advance(5000);
        SCOPED_TRACE(std::string(c.colour ? c.colour : "-") + " / " + (c.alpha ? c.alpha : "-"));
        EXPECT_EQ(p.frmNight.BackColor(), c.expectColour);
        EXPECT_EQ(p.night.Strength(), c.expectAlpha);
        EXPECT_EQ(f.WindowOf(p.frmNight)->alpha, c.expectAlpha);
        f.Stop();
    }
}

TEST_F(Overlay, OnlyColoursTheWindowTakesReplaceTheDesignColour) {
    const std::pair<const char*, Colour> cases[] = {
        {"0", 0},
        {"16777215", 0xFFFFFF},
        {"16777216", 0x4000},
        {"-1", 0x4000},
        {"-16777216", 0x4000},
        {"-2147483648", 0x80000000},  // the first system colour
        {"-2147483624", 0x80000018},  // the last
        {"-2147483623", 0x4000},
        {"2147483647", 0x4000},
    };
    for (const auto& [stored, expect] : cases) {
        FakePlatform f;
        Program p{f};
        f.store["lngColor"] = {StoredText::Kind::Text, stored};
        f.Launch([&] { p.Start(); });
        f.Advance(5000);
        EXPECT_EQ(p.frmNight.BackColor(), expect) << stored;
        EXPECT_EQ(f.store["lngColor"].text, stored) << "the stored text is never repaired";
        EXPECT_TRUE(f.CallsNamed("SaveSetting").empty());
        f.Stop();
    }
}

TEST_F(Overlay, AValueTheStoreCannotReadAsTextTakesTheFailurePath) {
    fake.store["lngColor"] = {StoredText::Kind::Unreadable, {}};
    fake.store["intLig"] = {StoredText::Kind::Unreadable, {}};
    LaunchToNight();
    EXPECT_EQ(program.frmNight.BackColor(), 0x4000u);
    EXPECT_EQ(program.night.Strength(), 0);
    EXPECT_TRUE(program.frmNight.IsShown());
}

TEST_F(Overlay, KeepOnTopEveryTwentyMilliseconds) {
    LaunchToNight();
    const auto before = fake.CallsNamed("SetWindowPos").size();
    fake.Advance(200);
    const auto raises = fake.CallsNamed("SetWindowPos");
    EXPECT_EQ(raises.size() - before, 10u);
    EXPECT_EQ(raises.back().args, (std::vector<std::int64_t>{OverlayHwnd(), -1, 0, 0, 0, 0, 0x13}));
}

TEST_F(Overlay, ShowOnAShownOverlayChangesNothing) {
    LaunchToNight();
    const std::size_t before = fake.calls.size();
    fake.Run([&] { program.frmNight.Show(); });
    EXPECT_EQ(fake.calls.size(), before);
}

TEST_F(Overlay, UnloadDeletesTheTrayIconAndEndsTheProgram) {
    LaunchToNight();
    fake.SystemClose(program.frmNight);
    EXPECT_TRUE(fake.trayIcons.empty());
    EXPECT_EQ(fake.Count("Shell_NotifyIconA", 2), 1);
    EXPECT_TRUE(fake.QuitRequested());
}

}  // namespace
}  // namespace dv::fake
