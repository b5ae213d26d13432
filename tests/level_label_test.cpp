// The level as a hot key or a command changes it: where the label shows,
// for how long, what it says, and that it stays above the layers.
#include "night_fixture.h"
#include "overlay/tray_menu.h"
#include "platform/names.h"
#include "startup/command_line.h"

namespace dv::fake {
namespace {

class Level : public Night {
   protected:
    // The label's window: placed by the program, and no layer.
    const FakeWindow* Label() {
        for (const auto& [h, w] : fake.windows)
            if (w.form && w.form->Design().startUp == StartUp::Placed &&
                w.form->Design().caption == std::string())
                return &w;
        return nullptr;
    }
    bool LabelShown() { return Label() && Label()->visible; }
    std::uint32_t Send(const std::vector<std::string>& args) {
        return fake.SendRequest(program.frmNight, names::kRequestMark, EncodeRequest(args));
    }
    int Told() { return static_cast<int>(fake.CallsNamed("TellTextChanged").size()); }
};

TEST_F(Level, AHotKeyShowsItOnTheMonitorUnderThePointerThenItFadesAndANewChangeUpdatesIt) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchAt(22, 0);
    EXPECT_FALSE(Label()) << "nothing made before a change";
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    ASSERT_TRUE(LabelShown());
    EXPECT_EQ(Label()->text, "亮度 35%");
    EXPECT_EQ(Told(), 1) << "read out once";
    EXPECT_EQ(*Label()->alpha, 255);
    const PixelRect r = *Label()->bounds;
    EXPECT_EQ(r.left + r.right, 1024 + 2048) << "centred on the second monitor";
    EXPECT_GT(r.top, 384);
    EXPECT_LT(r.bottom, 768);
    EXPECT_TRUE(Label()->exStyle & kWsExTransparent) << "the mouse goes through it";

    // The keep-on-top raise puts it top-most, and the layers right under it.
    const std::size_t before = fake.calls.size();
    fake.Advance(40);
    bool overlayUnderLabel = false;
    for (std::size_t i = before; i < fake.calls.size(); ++i) {
        const Call& c = fake.calls[i];
        if (c.name == "SetWindowPos" && c.args[0] == OverlayHwnd())
            overlayUnderLabel = c.args[1] == Label()->hwnd;
    }
    EXPECT_TRUE(overlayUnderLabel);

    fake.Advance(1000);
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Label()->text, "亮度 29%") << "the same label, its text updated";
    EXPECT_EQ(Told(), 2);
    fake.Advance(1400);
    EXPECT_TRUE(LabelShown()) << "its time started again";
    EXPECT_EQ(*Label()->alpha, 255);
    fake.Advance(200);
    EXPECT_TRUE(LabelShown());
    EXPECT_LT(*Label()->alpha, 255) << "fading";
    fake.Advance(300);
    EXPECT_FALSE(LabelShown());
}

TEST_F(Level, ACommandShowsItOnTheMainMonitorAndTheSliderAndTheOptionOffDoNot) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    LaunchAt(22, 0);
    fake.cursor = {1500, 300};
    Send({"/brightness", "40"});
    ASSERT_TRUE(LabelShown());
    EXPECT_EQ(Label()->text, "亮度 40%");
    EXPECT_EQ(Label()->bounds->left + Label()->bounds->right, 1024) << "the main monitor";
    fake.Advance(3000);
    ASSERT_FALSE(LabelShown());

    OpenWithF7();
    fake.KeyDown(program.frmSet, kVkRight);
    EXPECT_FALSE(LabelShown()) << "the slider shows itself";
    CloseWithX();

    PickInMenu(menu::kShowLevel);
    EXPECT_EQ(Stored("ShowLevel"), "0");
    fake.PressHotKey(kModAlt, kVkNext);
    Send({"/brightness", "20"});
    EXPECT_FALSE(LabelShown());
    EXPECT_EQ(Told(), 1);
}

TEST_F(Level, UnderAnOpenSettingsWindowOrOverAProgramTheLayersStepAsideForNoLayerIsRaised) {
    LaunchAt(22, 0);
    OpenFromTray();
    const int raises = Raises();
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_TRUE(LabelShown());
    EXPECT_EQ(Raises(), raises) << "the layers stay under the settings window";
    CloseWithX();
    fake.Advance(3000);

    // A full-screen program in front: its monitor's layer steps aside, and
    // nothing top-most comes over it; a label showing there goes at once.
    PickInMenu(menu::kPauseFullScreen);
    fake.Advance(3000);
    fake.PressHotKey(kModAlt, kVkNext);
    ASSERT_TRUE(LabelShown());
    const Handle film = fake.UserWindow();
    fake.ChangeOutside(film, [](OutsideWindow& w) {
        w.rect = {0, 0, 1024, 768};
        w.caption = false;
    });
    fake.BringToFront(film);
    ASSERT_FALSE(Shown());
    EXPECT_FALSE(LabelShown());
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_FALSE(LabelShown());
}

TEST_F(Level, WithALevelForEachMonitorItSaysThatMonitorsOwn) {
    fake.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    Put("PerMonitor", "1");
    LaunchAt(22, 0);
    fake.cursor = {1500, 300};
    fake.PressHotKey(kModAlt, kVkPrior);
    fake.PressHotKey(kModAlt, kVkPrior);
    EXPECT_EQ(Label()->text, "亮度 54%");
    fake.cursor = {300, 300};
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Label()->text, "亮度 35%");
    EXPECT_EQ(Label()->bounds->left + Label()->bounds->right, 1024);
}

}  // namespace
}  // namespace dv::fake
