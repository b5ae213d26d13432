#include "fixture.h"

namespace dv::fake {
namespace {

class Colour_ : public ProgramTest {
   protected:
    void OpenDialog() { fake.ClickControl(program.frmSet, program.frmSet.swatch); }
    void Holders(Colour c) {
        EXPECT_EQ(program.frmSet.swatch.BackColor(), c);
        EXPECT_EQ(program.frmNight.BackColor(), c);
        EXPECT_EQ(program.frmSet.sliderKnob.BorderColor(), c);
    }
};

TEST_F(Colour_, ConfirmedRedGoesOnTheThreeHoldersAndIsSavedOnClose) {
    LaunchToNight();
    OpenFromTray();
    const float knob = program.frmSet.sliderKnob.X1();
    OpenDialog();
    ASSERT_TRUE(fake.dialogOpen);
    EXPECT_EQ(fake.dialogOwner, &program.frmSet);
    // Timers tick while the dialog is open; F7 does nothing.
    const auto polls = fake.CallsNamed("GetAsyncKeyState").size();
    fake.F7Down();
    fake.Advance(300);
    fake.F7Up();
    EXPECT_GT(fake.CallsNamed("GetAsyncKeyState").size(), polls);
    EXPECT_TRUE(fake.CallsNamed("RunModal").empty());
    fake.AnswerColour(0x0000FF);
    Holders(0x0000FF);
    EXPECT_EQ(program.frmSet.sliderKnob.X1(), knob);
    EXPECT_EQ(fake.WindowOf(program.frmNight)->alpha, 150);
    CloseWithX();
    EXPECT_EQ(Stored("lngColor"), "255");
}

TEST_F(Colour_, ACancelChangesNothingNotEvenOnFirstUseAndTheDialogsColourDoesNotOutliveTheWindow) {
    Put("lngColor", "12345");
    LaunchToNight();
    OpenWithF7();
    OpenDialog();
    fake.AnswerColour(std::nullopt);
    Holders(12345);
    OpenDialog();
    fake.AnswerColour(0x00FF00);
    OpenDialog();
    fake.AnswerColour(std::nullopt);
    Holders(0x00FF00);
    CloseWithX();
    EXPECT_EQ(Stored("lngColor"), "65280");
    OpenFromTray();
    EXPECT_EQ(program.frmSet.colourDialog.Color, 0u);
    OpenDialog();
    fake.AnswerColour(std::nullopt);
    Holders(0x00FF00);
}

}  // namespace
}  // namespace dv::fake
