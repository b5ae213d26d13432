#include "fixture.h"

namespace dv::fake {
namespace {

using Overlay = ProgramTest;

TEST_F(Overlay, LoadAddsTheIconAndBecomesATopMostClickThroughLayerInTheStoredTint) {
    LaunchToNight();
    const Handle h = OverlayHwnd();
    const std::vector<Call> adds = fake.CallsNamed("Shell_NotifyIconA");
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].args, (std::vector<std::int64_t>{0, h, 0x7710, 7, 512, 0x7710, 88}));
    EXPECT_EQ(adds[0].text, std::string("Duskveil") + '\0' + std::string(55, ' '));
    EXPECT_EQ(fake.zorder, std::vector<Handle>{h}) << "top-most from the load on";
    const FakeWindow* w = fake.Window(h);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible);
    EXPECT_EQ(w->exStyle, 0x08000080 | 0x80000 | 0x20) << "keeps every bit it had";
    EXPECT_EQ(w->alpha, 150);
    EXPECT_EQ(program.frmNight.BackColor(), 0x4000u);
    EXPECT_EQ(fake.trayIcons.size(), 1u);
}

// Which texts convert is the conversions' own test; here, what the load does
// with each outcome, and that it never writes back what it could not read.
TEST(StoredTint, IsReadWithItsDefaultsAndOnlyAColourTheWindowTakesReplacesTheDesigns) {
    const struct {
        const char* colour;  // nullptr: nothing stored; "?": unreadable as text
        const char* alpha;
        Colour tint;
        int strength;
    } cases[] = {
        {nullptr, nullptr, 0x4000, 150},
        {"?", "?", 0x4000, 0},
        {"255", "0", 255, 0},
        {"abc", "200", 0x4000, 200},
        {"1234", "abc", 1234, 0},
        {"0", nullptr, 0, 150},
        {"16777215", nullptr, 0xFFFFFF, 150},
        {"16777216", nullptr, 0x4000, 150},
        {"-1", nullptr, 0x4000, 150},
        {"-16777216", nullptr, 0x4000, 150},
        {"-2147483648", nullptr, 0x80000000, 150},  // the first system colour
        {"-2147483624", nullptr, 0x80000018, 150},  // the last
        {"-2147483623", nullptr, 0x4000, 150},
        {"2147483647", nullptr, 0x4000, 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.colour ? c.colour : "-") + " / " + (c.alpha ? c.alpha : "-"));
        Started s([&c](FakePlatform& f) {
            for (const auto& [key, text] : {std::pair{"lngColor", c.colour}, {"intLig", c.alpha}}) {
                if (text && std::string(text) == "?")
                    f.store[key] = {StoredText::Kind::Unreadable, {}};
                else if (text)
                    Store(f, key, text);
            }
        });
        EXPECT_EQ(s.program.frmNight.BackColor(), c.tint);
        EXPECT_EQ(s.program.night.Strength(), c.strength);
        EXPECT_TRUE(s.fake.WindowOf(s.program.frmNight)->visible);
        EXPECT_EQ(s.fake.WindowOf(s.program.frmNight)->alpha, c.strength);
        EXPECT_TRUE(s.fake.CallsNamed("SaveSetting").empty()) << "nothing is written at start";
    }
}

}  // namespace
}  // namespace dv::fake
