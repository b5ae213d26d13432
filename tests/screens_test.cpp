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
    std::vector<const FakeWindow*> Companions() {
        std::vector<const FakeWindow*> out;
        for (const auto& s : program.night.Companions().All()) out.push_back(fake.WindowOf(*s));
        return out;
    }
    void MenuToggles(int item) { PickInMenu(item); }
    // The companion on the n-th further monitor looks as a layer there must.
    void ExpectLayerOn(std::size_t n, const PixelRect& monitor, std::uint8_t alpha) {
        const FakeWindow* w = fake.WindowOf(*program.night.Companions().All()[n]);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->visible);
        EXPECT_EQ(w->bounds, monitor);
        EXPECT_EQ(w->alpha, alpha);
        EXPECT_EQ(w->exStyle, fake.WindowOf(program.frmNight)->exStyle);
        EXPECT_EQ(w->affinity, kWdaExcludeFromCapture);
    }
};

TEST_F(Screens_, EveryFurtherMonitorGetsALayerLikeTheOverlay) {
    fake.monitors = {kPrimary, kRight, kAbove};
    Put("lngColor", "255");
    Put("intLig", "99");
    LaunchToNight();
    const FakeWindow* overlay = fake.WindowOf(program.frmNight);
    const auto companions = Companions();
    ASSERT_EQ(companions.size(), 2u);
    EXPECT_EQ(companions[0]->bounds, kRight);
    EXPECT_EQ(companions[1]->bounds, kAbove);
    for (const FakeWindow* c : companions) {
        EXPECT_TRUE(c->visible);
        EXPECT_EQ(c->exStyle, overlay->exStyle) << "layered, click-through, no taskbar button";
        EXPECT_EQ(c->alpha, 99);
        EXPECT_EQ(c->form->BackColor(), 255u);
        EXPECT_EQ(fake.Count("SetWindowPos", c->hwnd), 1) << "top-most from the start";
        EXPECT_NE(fake.focused, c->hwnd);
    }
    EXPECT_FALSE(overlay->bounds.has_value()) << "the overlay stays maximized on the primary";
}

TEST_F(Screens_, SliderColourAndKeepOnTopReachEveryLayerAtOnce) {
    fake.monitors = {kPrimary, kRight};
    LaunchToNight();
    const Handle companion = Companions()[0]->hwnd;
    const int raised = fake.Count("SetWindowPos", companion);
    fake.Advance(100);
    EXPECT_EQ(fake.Count("SetWindowPos", companion) - raised, 5) << "every 20 ms with the overlay";
    EXPECT_EQ(fake.CallsNamed("SetWindowPos").back().args,
              (std::vector<std::int64_t>{companion, OverlayHwnd(), 0, 0, 0, 0, 0x13}))
        << "right below the overlay, which is top-most: no z-order to change when in place";
    OpenFromTray();
    fake.MouseDown(program.frmSet, 3600, 1290, kLeftButton);
    EXPECT_EQ(fake.Window(companion)->alpha, 149);
    fake.ClickControl(program.frmSet, program.frmSet.lbColor);
    fake.AnswerColour(0x0000FF);
    EXPECT_EQ(program.night.Companions().All()[0]->BackColor(), 0x0000FFu);
    const int paused = fake.Count("SetWindowPos", companion);
    fake.Advance(100);
    EXPECT_EQ(fake.Count("SetWindowPos", companion), paused) << "paused with the overlay";
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
        for (std::size_t m = 1; m < set.size(); ++m) ASSERT_EQ(Companions()[m - 1]->bounds, set[m]);
    }
    EXPECT_EQ(fake.windows.size(), 2u) << "the overlay and one companion, nothing left behind";
    EXPECT_EQ(fake.LoadedForms(), 2);
}

TEST_F(Screens_, AllScreensOffLeavesThePrimaryAloneAndTheMenuTurnsItBackOn) {
    fake.monitors = {kPrimary, kRight};
    Put("AllScreens", "0");
    LaunchToNight();
    EXPECT_TRUE(program.night.Companions().All().empty());
    MenuToggles(2);
    EXPECT_EQ(Stored("AllScreens"), "1");
    EXPECT_EQ(program.night.Companions().All().size(), 1u);
    MenuToggles(2);
    EXPECT_EQ(Stored("AllScreens"), "0");
    EXPECT_TRUE(program.night.Companions().All().empty());
}

TEST_F(Screens_, ThreeMonitorsStayInOrderAndAnIdleTickChangesNoZOrder) {
    fake.monitors = {kPrimary, kRight, kAbove};
    LaunchToNight();
    fake.Advance(100);
    const std::vector<Handle> order{OverlayHwnd(), program.night.Companions().All()[0]->NativeHandle(),
                                    program.night.Companions().All()[1]->NativeHandle()};
    EXPECT_EQ(fake.zorder, order) << "each companion right below the one before";
    const int changes = fake.zorderChanges;
    fake.Advance(200);
    EXPECT_EQ(fake.zorder, order);
    EXPECT_EQ(fake.zorderChanges, changes);
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

TEST_F(Screens_, TheMenusCaptureToggleReachesEveryCompanion) {
    fake.monitors = {kPrimary, kRight, kAbove};
    LaunchToNight();
    MenuToggles(menu::kHideInCaptures);
    for (const auto& s : program.night.Companions().All()) EXPECT_EQ(fake.WindowOf(*s)->affinity, kWdaNone);
    MenuToggles(menu::kHideInCaptures);
    for (const auto& s : program.night.Companions().All())
        EXPECT_EQ(fake.WindowOf(*s)->affinity, kWdaExcludeFromCapture);
}

TEST_F(Screens_, KeepOnTopWaitsWhileTheTrayMenuIsOpen) {
    fake.monitors = {kPrimary, kRight};
    LaunchToNight();
    fake.TrayNotify(program.frmNight, kWmRButtonUp);
    ASSERT_TRUE(fake.menuOpen);
    const std::size_t raises = fake.CallsNamed("SetWindowPos").size();
    fake.Advance(200);
    EXPECT_EQ(fake.CallsNamed("SetWindowPos").size(), raises) << "the menu would be covered";
    fake.AnswerMenu(0);
    fake.Advance(40);
    EXPECT_EQ(fake.CallsNamed("SetWindowPos").size(), raises + 4);
}

TEST_F(Screens_, ClosingTheOverlayTakesTheCompanionsWithIt) {
    fake.monitors = {kPrimary, kRight};
    LaunchToNight();
    fake.SystemClose(program.frmNight);
    EXPECT_TRUE(fake.windows.empty());
    EXPECT_TRUE(fake.QuitRequested());
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
        FakePlatform f;
        f.os = c.os;
        f.monitors = {kPrimary, kRight};
        if (c.stored) f.store["HideInCaptures"] = {StoredText::Kind::Text, c.stored};
        Program p{f};
        f.Launch([&] { p.Start(); });
        f.Advance(5000);
        f.ChangeMonitors(p.frmNight, {kPrimary, kRight, kAbove});  // a companion made later
        const std::uint32_t want = c.excluded ? kWdaExcludeFromCapture : 0;
        const auto* overlay = f.WindowOf(p.frmNight);
        SCOPED_TRACE(std::to_string(c.os.major) + "." + std::to_string(c.os.build));
        EXPECT_EQ(overlay->affinity.value_or(0), want);
        for (const auto& s : p.night.Companions().All()) {
            EXPECT_EQ(f.WindowOf(*s)->affinity.value_or(0), want);
        }
        if (!c.excluded) {
            EXPECT_TRUE(f.CallsNamed("SetWindowDisplayAffinity").empty());
        }
        f.Stop();
    }
}

TEST(Capture, ARefusedExclusionChangesNothingElse) {
    FakePlatform f;
    f.affinityWorks = false;
    f.monitors = {kPrimary, kRight};
    Program p{f};
    f.Launch([&] { p.Start(); });
    f.Advance(5000);
    EXPECT_TRUE(p.frmNight.IsShown());
    EXPECT_EQ(f.WindowOf(p.frmNight)->alpha, 150);
    EXPECT_EQ(p.night.Companions().All().size(), 1u);
    f.Stop();
}

}  // namespace
}  // namespace dv::fake
