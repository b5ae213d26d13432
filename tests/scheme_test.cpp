// Legible in any colour scheme, and unchanged in the default one.
#include "fixture.h"
#include "settings/scheme.h"

namespace dv::fake {
namespace {

// A dark scheme as a user might set it: white button text on black faces.
SystemColours Dark() {
    SystemColours s;
    s.btnFace = 0x000000;
    s.btnText = 0xFFFFFF;
    return s;
}

SystemColours HighContrast() {
    SystemColours s = Dark();
    s.highContrast = true;
    return s;
}

TEST(Contrast, FollowsRelativeLuminance) {
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x4000, 0x4000), 1.0);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0xFFFF00), 1.25, 0.01) << "white on cyan (BGR)";
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
}

TEST(Contrast, OnlyAMixedPairThatDoesNotReadTakesTheSystemColours) {
    const ColourPair close{kSysButtonText, 0xFFFFFF};
    const ColourPair system{kSysButtonText, kSysButtonFace};
    EXPECT_EQ(Legible(close, SystemColours{}), close) << "black on white reads";
    EXPECT_EQ(Legible(close, Dark()), system) << "white on white does not";
    EXPECT_EQ(Legible({kSysButtonText, 0xFFFF00}, Dark()), system) << "white on cyan";
    SystemColours grey;
    grey.btnText = 0x909090;  // 3.2:1 on white: kept
    EXPECT_EQ(Legible(close, grey), close);
    EXPECT_EQ(Legible({0xFFFFFF, 0xFFFFFF}, Dark()), (ColourPair{0xFFFFFF, 0xFFFFFF}))
        << "a pair of fixed colours is the user's choice (a white tint)";
    EXPECT_EQ(Legible({0xFFFFFF, 0x4000}, HighContrast()), system);
}

class Scheme : public ProgramTest {};

TEST_F(Scheme, WhiteButtonTextOnBlackFacesKeepsTheCloseMarkAndTheButtonLegible) {
    fake.colours = Dark();
    LaunchToNight();
    OpenFromTray();
    FrmSet& s = program.frmSet;
    EXPECT_EQ(s.closeMark.ForeColor(), kSysButtonText);
    EXPECT_EQ(s.closeMark.BackColor(), kSysButtonFace);
    EXPECT_EQ(s.turnOff.Get().backColor, kSysButtonFace);
    EXPECT_EQ(s.author.ForeColor(), 0xFFFFFFu) << "fixed on fixed stays";
    EXPECT_EQ(s.swatch.BackColor(), 0x4000u);
    fake.MouseMove(s, 6600, 200);
    EXPECT_EQ(s.closeMark.BackColor(), kSysButtonFace) << "white on yellow would not read either";
    fake.MouseMove(s, 100, 100);
    EXPECT_EQ(s.closeMark.BackColor(), kSysButtonFace);
}

TEST_F(Scheme, HighContrastDrawsEveryControlInSystemColoursTheDefaultAsDesignedAndSavesTheTint) {
    Put("lngColor", "255");
    LaunchToNight();
    OpenWithF7();
    FrmSet& s = program.frmSet;
    const int repaints = fake.WindowOf(s)->invalidations;
    fake.ChangeColours(HighContrast());
    EXPECT_GT(fake.WindowOf(s)->invalidations, repaints) << "repainted at once";
    EXPECT_EQ(s.CurrentBackColor(), kSysButtonFace);
    for (const Label* label : {&s.tintCaption, &s.lightCaption, &s.author, &s.feedback, &s.swatch})
        EXPECT_EQ(label->ForeColor(), kSysButtonText);
    EXPECT_EQ(s.homeLink.ForeColor(), kSysHotLight);
    EXPECT_EQ(s.swatch.BackColor(), kSysButtonFace);
    EXPECT_EQ(s.sliderKnob.BorderColor(), kSysHighlight);
    EXPECT_EQ(s.sliderTrack.BorderColor(), kSysButtonText);
    fake.MouseMove(s, 6600, 200);
    EXPECT_EQ(s.closeMark.BackColor(), kSysHighlight);
    EXPECT_EQ(s.closeMark.ForeColor(), kSysHighlightText);
    EXPECT_EQ(program.frmNight.BackColor(), 255u) << "the tint itself is no control";

    fake.ClickControl(s, s.swatch);
    fake.AnswerColour(0x00FF00);
    EXPECT_EQ(s.swatch.BackColor(), kSysButtonFace);
    fake.ChangeColours(SystemColours{});
    EXPECT_EQ(s.swatch.BackColor(), 0x00FF00u) << "the swatch shows the tint again";
    EXPECT_EQ(s.sliderKnob.BorderColor(), 0x00FF00u);
    EXPECT_EQ(s.CurrentBackColor(), 0x404040u);
    EXPECT_EQ(s.closeMark.ForeColor(), kSysButtonText);
    EXPECT_EQ(s.closeMark.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(s.turnOff.Get().foreColor, kSysButtonText);
    EXPECT_EQ(s.turnOff.Get().backColor, 0xFFFF00u);
    EXPECT_EQ(s.sliderTrack.BorderColor(), 0xFFFFFFu);
    fake.ChangeColours(HighContrast());
    CloseWithX();
    EXPECT_EQ(Stored("lngColor"), "65280") << "never a system colour in place of the tint";
}

TEST_F(Scheme, TheSplashFollowsHighContrastToo) {
    fake.colours = HighContrast();
    Launch();
    FrmSplash& s = program.frmSplash;
    EXPECT_EQ(s.CurrentBackColor(), kSysButtonFace);
    EXPECT_EQ(s.title.ForeColor(), kSysButtonText);
    EXPECT_EQ(s.countdown.ForeColor(), kSysButtonText);
    EXPECT_EQ(s.homeLink.ForeColor(), kSysHotLight);
    fake.ChangeColours(SystemColours{});
    EXPECT_EQ(s.CurrentBackColor(), 0u);
    EXPECT_EQ(s.title.ForeColor(), 0x00FF00u);
    EXPECT_EQ(s.author.ForeColor(), 0xFFFFFFu);
}

}  // namespace
}  // namespace dv::fake
