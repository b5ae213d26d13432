// What a screen reader finds in the settings window, and what it is told.
#include "fixture.h"
#include "resources/texts.h"

namespace dv::fake {
namespace {

using R = AccessibleRole;

class Accessible : public ProgramTest {
   protected:
    std::vector<AccessiblePart> Parts() {
        std::vector<AccessiblePart> parts;
        fake.Run([&] { parts = program.frmSet.AccessibleParts(); });
        return parts;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const AccessiblePart& p : Parts()) names.push_back(p.name);
        return names;
    }
    // The announcements since `from`: "focus N" or "value N".
    std::vector<std::string> Told(std::size_t from) {
        std::vector<std::string> told;
        for (std::size_t i = from; i < fake.calls.size(); ++i) {
            const Call& c = fake.calls[i];
            if (c.name != "Announce") continue;
            told.push_back((c.args[1] == static_cast<int>(AccessibleEvent::Focus) ? "focus " : "value ") +
                           std::to_string(c.args[2]));
        }
        return told;
    }
};

TEST_F(Accessible, EveryPartHasItsRoleNameStatesAndPlaceInChinese) {
    LaunchToNight();
    OpenWithF7();
    const std::vector<AccessiblePart> parts = Parts();
    ASSERT_EQ(parts.size(), 9u);
    const std::vector<R> roles{R::Slider,     R::PushButton, R::PushButton,
                               R::Link,       R::PushButton, R::StaticText,
                               R::StaticText, R::StaticText, R::StaticText};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].role, roles[i]) << i;
        EXPECT_EQ(parts[i].focusable, i < 5) << i;
        EXPECT_EQ(parts[i].focused, i == 0) << i;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"亮度", "点击此处选择颜色", "关闭", text::kChinese.contactLink,
                                                 "关闭夜间模式", "色调", "亮度", text::kChinese.contactAuthor,
                                                 text::kChinese.contactFeedback}));
    EXPECT_EQ(parts[0].value, "41%") << "alpha 150";
    std::vector<std::string> actions;
    for (const AccessiblePart& p : parts) actions.push_back(p.action);
    EXPECT_EQ(actions, (std::vector<std::string>{"", "按下", "按下", "跳转", "按下", "", "", "", ""}));
    const FrmSet& set = program.frmSet;
    EXPECT_EQ(parts[1].rect.left, set.lbColor.Rect().left);
    EXPECT_EQ(parts[2].rect.width, set.Label2.Rect().width);
    EXPECT_EQ(parts[4].rect.top, set.cmdExit.Get().rect.top);
    EXPECT_LT(parts[0].rect.left, set.Lx.X1());
    EXPECT_GT(parts[0].rect.left + parts[0].rect.width, set.Lx.X2());
}

TEST_F(Accessible, NamesInEnglish) {
    fake.uiLanguage = 0x0409;
    LaunchToNight();
    OpenWithF7();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brightness", "Choose a colour", "Close",
                                                 "Duskveil home page", "Turn night mode off", "Tint",
                                                 "Light", "Author: Duskveil contributors",
                                                 "Feedback: on the home page"}));
    EXPECT_EQ(Parts()[1].action, "Press");
    EXPECT_EQ(Parts()[3].action, "Jump");
}

TEST_F(Accessible, TheSliderReadsTheBrightnessInPercentAfterEveryKindOfMove) {
    LaunchToNight();
    OpenWithF7();
    const std::size_t from = fake.calls.size();
    fake.KeyDown(program.frmSet, kVkRight);
    EXPECT_EQ(Parts()[0].value, "43%");
    fake.KeyDown(program.frmSet, kVkHome);
    EXPECT_EQ(Parts()[0].value, "0%");
    fake.KeyDown(program.frmSet, kVkEnd);
    EXPECT_EQ(Parts()[0].value, "100%");
    EXPECT_EQ(BrightnessPercent(1), "100%") << "rounded, not cut";
    EXPECT_EQ(BrightnessPercent(254), "0%");
    fake.MouseMove(program.frmSet, 3600, 1290, kLeftButton);
    EXPECT_EQ(Parts()[0].value, BrightnessPercent(program.night.Strength()));
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Parts()[0].value, BrightnessPercent(program.night.Strength()));
    EXPECT_EQ(Told(from),
              (std::vector<std::string>{"value 0", "value 0", "value 0", "value 0", "value 0"}));
}

TEST_F(Accessible, FocusMovesAreToldAndAReaderCanFocusAndPress) {
    LaunchToNight();
    const std::size_t from = fake.calls.size();
    OpenWithF7();
    fake.KeyDown(program.frmSet, kVkTab);
    EXPECT_EQ(Told(from), (std::vector<std::string>{"focus 0", "focus 1"}));
    EXPECT_TRUE(Parts()[1].focused);
    fake.Run([this] { program.frmSet.AccessibleFocus(4); });
    EXPECT_EQ(program.frmSet.FocusedButton(), &program.frmSet.cmdExit);
    fake.Run([this] { program.frmSet.AccessibleFocus(5); });
    EXPECT_TRUE(Parts()[4].focused) << "a text takes no focus";
    fake.Run([this] { program.frmSet.AccessiblePress(0); });
    EXPECT_TRUE(program.frmSet.IsShown()) << "the slider has nothing to press";
    fake.Run([this] { program.frmSet.AccessiblePress(9); });
    fake.Run([this] { program.frmSet.AccessiblePress(-1); });
    EXPECT_TRUE(program.frmSet.IsShown()) << "a part that is not there";
    fake.Run([this] { program.frmSet.AccessiblePress(1); });
    EXPECT_TRUE(fake.dialogOpen) << "the swatch's default action opens the Color dialog";
    fake.AnswerColour(std::nullopt);
    fake.Run([this] { program.frmSet.AccessiblePress(2); });
    EXPECT_FALSE(program.frmSet.IsLoaded()) << "the close mark's closes";
    EXPECT_EQ(Stored("intLig"), "150");
}

}  // namespace
}  // namespace dv::fake
