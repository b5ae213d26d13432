// What a screen reader finds in the settings window, and what it is told.
#include "fixture.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"

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
    // The announcements since `from`: "focus N" or "value N".
    std::vector<std::string> Told(std::size_t from) {
        std::vector<std::string> told;
        for (std::size_t i = from; i < fake.calls.size(); ++i) {
            const Call& c = fake.calls[i];
            if (c.name != "Announce") continue;
            told.push_back(
                (c.args[1] == static_cast<int>(AccessibleEvent::Focus) ? "focus " : "value ") +
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
    std::vector<std::string> names, actions;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].role, roles[i]) << i;
        EXPECT_EQ(parts[i].focusable, i < 5) << i;
        EXPECT_EQ(parts[i].focused, i == 0) << i;
        names.push_back(parts[i].name);
        actions.push_back(parts[i].action);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "亮度", "点击此处选择颜色", "关闭", text::kChinese.contactLink, "关闭夜间模式",
                  "色调", "亮度", text::kChinese.contactAuthor, text::kChinese.contactFeedback}));
    EXPECT_EQ(parts[0].value, "41%") << "alpha 150";
    EXPECT_EQ(actions,
              (std::vector<std::string>{"", "按下", "按下", "跳转", "按下", "", "", "", ""}));
    // The drawn parts stand where the keyboard's focus shows them.
    EXPECT_EQ(parts[4].rect.top, program.frmSet.turnOff.Get().rect.top);
}

TEST_F(Accessible, EveryFocusMoveAndEveryKindOfSliderMoveIsToldInPercent) {
    LaunchToNight();
    const std::size_t from = fake.calls.size();
    OpenWithF7();
    fake.KeyDown(program.frmSet, kVkRight);
    EXPECT_EQ(Parts()[0].value, "43%");
    fake.KeyDown(program.frmSet, kVkEnd);
    EXPECT_EQ(Parts()[0].value, "100%");
    EXPECT_EQ(BrightnessPercent(1), "100%") << "rounded, not cut";
    EXPECT_EQ(BrightnessPercent(254), "0%");
    fake.MouseMove(program.frmSet, 3600, 1290, kLeftButton);
    EXPECT_EQ(Parts()[0].value, BrightnessPercent(program.night.Strength()));
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Parts()[0].value, BrightnessPercent(program.night.Strength()));
    fake.KeyDown(program.frmSet, kVkTab);
    EXPECT_EQ(Told(from), (std::vector<std::string>{"focus 0", "value 0", "value 0", "value 0",
                                                    "value 0", "focus 1"}));
    EXPECT_TRUE(Parts()[1].focused);
}

TEST_F(Accessible, AReaderCanFocusAndPressOnlyThePartsThatTakeIt) {
    LaunchToNight();
    OpenWithF7();
    fake.Run([this] { program.frmSet.AccessibleFocus(4); });
    EXPECT_EQ(program.frmSet.FocusedButton(), &program.frmSet.turnOff);
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
}

}  // namespace
}  // namespace dv::fake
