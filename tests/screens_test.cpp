// Beyond one screen: a layer on every monitor, kept out of captures.
#include "fixture.h"
#include "overlay/tray_menu.h"

namespace dv::fake {
namespace {

constexpr PixelRect kPrimary{0, 0, 1024, 768};
constexpr PixelRect kRight{1024, 0, 1824, 600};
constexpr PixelRect kAbove{0, -1080, 1920, 0};

class Screens_ : public ProgramTest {
   protected:
    const FakeWindow* Companion(std::size_t n) {
        return fake.WindowOf(*program.night.Companions().All()[n]);
    }
    // The companion on the n-th further monitor looks as a layer there must.
    void ExpectLayerOn(std::size_t n, const PixelRect& monitor, std::uint8_t alpha) {
        const FakeWindow* w = Companion(n);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->visible);
        EXPECT_EQ(w->bounds, monitor);
        EXPECT_EQ(w->alpha, alpha);
        EXPECT_EQ(w->exStyle, fake.WindowOf(program.frmNight)->exStyle)
            << "layered, click-through, no taskbar button";
        EXPECT_EQ(w->affinity, kWdaExcludeFromCapture);
    }
};

TEST_F(Screens_, EveryFurtherMonitorGetsALayerLikeTheOverlayRightBelowTheOneBefore) {
    fake.monitors = {kPrimary, kRight, kAbove};
    Put("lngColor", "255");
    Put("intLig", "99");
    LaunchToNight();
    ASSERT_EQ(program.night.Companions().All().size(), 2u);
    ExpectLayerOn(0, kRight, 99);
    ExpectLayerOn(1, kAbove, 99);
    for (std::size_t n = 0; n < 2; ++n) {
        EXPECT_EQ(Companion(n)->form->BackColor(), 255u);
        EXPECT_EQ(fake.Count("SetWindowPos", Companion(n)->hwnd), 1) << "top-most from the start";
    }
    EXPECT_FALSE(fake.WindowOf(program.frmNight)->bounds.has_value())
        << "the overlay stays maximized on the primary";
    fake.Advance(100);
    const std::vector<Handle> order{OverlayHwnd(), Companion(0)->hwnd, Companion(1)->hwnd};
    EXPECT_EQ(fake.zorder, order) << "each companion right below the one before";
    const int changes = fake.zorderChanges;
    fake.Advance(200);
    EXPECT_EQ(fake.zorder, order);
    EXPECT_EQ(fake.zorderChanges, changes) << "an idle tick changes no z-order";
}

// Keep-on-top raises every layer every 20 ms, and waits while the tray menu
// or the settings window is open.
TEST_F(Screens_, SliderColourAndKeepOnTopReachEveryLayerAtOnce) {
    fake.monitors = {kPrimary, kRight};
    LaunchToNight();
    const Handle companion = Companion(0)->hwnd;
    const auto raises = [&] { return fake.CallsNamed("SetWindowPos").size(); };
    std::size_t raised = raises();
    fake.Advance(200);
    EXPECT_EQ(fake.Count("SetWindowPos", OverlayHwnd()), 1 + 10);
    EXPECT_EQ(fake.Count("SetWindowPos", companion), 1 + 10);
    EXPECT_EQ(raises() - raised, 20u);
    const auto& calls = fake.CallsNamed("SetWindowPos");
    EXPECT_EQ(calls[calls.size() - 2].args,
              (std::vector<std::int64_t>{OverlayHwnd(), -1, 0, 0, 0, 0, 0x13}));
    EXPECT_EQ(calls.back().args,
              (std::vector<std::int64_t>{companion, OverlayHwnd(), 0, 0, 0, 0, 0x13}))
        << "below the overlay, never moved, sized or activated";

    fake.TrayNotify(program.frmNight, kWmRButtonUp);
    EXPECT_FALSE(program.frmNight.keepOnTop.Enabled());
    raised = raises();
    fake.Advance(200);
    EXPECT_EQ(raises(), raised) << "the menu would be covered";
    fake.AnswerMenu(0);
    fake.Advance(40);
    EXPECT_EQ(raises(), raised + 4);

    OpenFromTray();
    fake.MouseDown(program.frmSet, 3600, 1290, kLeftButton);
    EXPECT_EQ(Companion(0)->alpha, 149);
    fake.ClickControl(program.frmSet, program.frmSet.swatch);
    fake.AnswerColour(0x0000FF);
    EXPECT_EQ(Companion(0)->form->BackColor(), 0x0000FFu);
    raised = raises();
    fake.Advance(100);
    EXPECT_EQ(raises(), raised) << "paused while the settings window is open";
}

TEST_F(Screens_, MonitorsComingAndGoingAreFollowedWithoutLeaking) {
    fake.monitors = {kPrimary, kRight};
    LaunchToNight();
    const std::vector<std::vector<PixelRect>> sets{
        {kPrimary}, {kPrimary, kRight, kAbove}, {kPrimary, kAbove}, {{0, 0, 1280, 1024}, kRight}};
    for (int i = 0; i < 1000; ++i) {
        const auto& set = sets[static_cast<std::size_t>(i) % sets.size()];
        fake.ChangeMonitors(program.frmNight, set);
        ASSERT_EQ(program.night.Companions().All().size(), set.size() - 1);
        for (std::size_t m = 1; m < set.size(); ++m) ASSERT_EQ(Companion(m - 1)->bounds, set[m]);
    }
    EXPECT_EQ(fake.windows.size(), 2u) << "the overlay and one companion, nothing left behind";
    EXPECT_EQ(fake.LoadedForms(), 2);
}

TEST_F(Screens_, AllScreensOffLeavesThePrimaryAloneAndTheMenuTurnsItBackOn) {
    fake.monitors = {kPrimary, kRight};
    Put("AllScreens", "0");
    LaunchToNight();
    EXPECT_TRUE(program.night.Companions().All().empty());
    PickInMenu(menu::kAllScreens);
    EXPECT_EQ(Stored("AllScreens"), "1");
    EXPECT_EQ(program.night.Companions().All().size(), 1u);
    PickInMenu(menu::kAllScreens);
    EXPECT_EQ(Stored("AllScreens"), "0");
    EXPECT_TRUE(program.night.Companions().All().empty());
}

TEST_F(Screens_, ACompanionClosedOrDestroyedUnderneathComesBackAsItWas) {
    fake.monitors = {kPrimary, kRight, kAbove};
    Put("intLig", "99");
    LaunchToNight();
    OpenWithF7();
    fake.MouseDown(program.frmSet, 3600, 1290, kLeftButton);  // alpha 149
    fake.NativeDestroy(*program.night.Companions().All()[0]);
    ExpectLayerOn(0, kRight, 149);
    fake.SystemClose(*program.night.Companions().All()[1]);
    ExpectLayerOn(1, kAbove, 149);
    CloseWithX();
    fake.Advance(5000);  // the splash the settings window reloaded unseen has gone
    fake.ChangeMonitors(program.frmNight, {kPrimary, kRight, kAbove});
    ExpectLayerOn(0, kRight, 149);
    ExpectLayerOn(1, kAbove, 149);
    EXPECT_EQ(fake.zorder.size(), 3u);
    EXPECT_EQ(fake.windows.size(), 3u) << "no bare window left behind";
    EXPECT_TRUE(program.frmNight.IsShown());
}

// Before Windows 10 build 19041 the exclusion would show the layers black in
// captures: it is never asked for there.
TEST(Capture, ExclusionIsAskedForOnlyWhereTheSystemHonoursIt) {
    struct Case {
        OsVersion os;
        const char* stored;  // nullptr: nothing stored
        bool excluded;
    };
    const Case cases[] = {
        {{10, 0, 19041}, nullptr, true}, {{10, 0, 22631}, "1", true},
        {{11, 0, 0}, nullptr, true},     {{10, 0, 19040}, nullptr, false},
        {{10, 0, 18363}, "1", false},    {{6, 1, 7601}, nullptr, false},
        {{10, 0, 19045}, "0", false},    {{0, 0, 0}, nullptr, false},
    };
    for (const Case& c : cases) {
        Started s([&c](FakePlatform& f) {
            f.os = c.os;
            f.monitors = {kPrimary, kRight};
            if (c.stored) Store(f, "HideInCaptures", c.stored);
        });
        // A companion made later is excluded as well.
        s.fake.ChangeMonitors(s.program.frmNight, {kPrimary, kRight, kAbove});
        const std::uint32_t want = c.excluded ? kWdaExcludeFromCapture : 0;
        SCOPED_TRACE(std::to_string(c.os.major) + "." + std::to_string(c.os.build));
        EXPECT_EQ(s.fake.WindowOf(s.program.frmNight)->affinity.value_or(0), want);
        for (const auto& layer : s.program.night.Companions().All())
            EXPECT_EQ(s.fake.WindowOf(*layer)->affinity.value_or(0), want);
        if (!c.excluded) {
            EXPECT_TRUE(s.fake.CallsNamed("SetWindowDisplayAffinity").empty());
        }
    }
}

}  // namespace
}  // namespace dv::fake
