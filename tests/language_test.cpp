// Chinese or English: the choice, and every text in either.
#include "fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "settings/language.h"

namespace dv::fake {
namespace {

TEST(LanguageChoice, ChineseForEveryChineseAndEnglishForTheRestUnlessStored) {
    const StoredText none;
    const auto stored = [](const char* t) { return StoredText{StoredText::Kind::Text, t}; };
    for (const unsigned id : {0x0804u, 0x0404u, 0x0C04u, 0x1004u, 0x7C04u})
        EXPECT_EQ(ChooseLanguage(none, id), Language::Chinese) << id;
    for (const unsigned id : {0x0409u, 0x0809u, 0x0407u, 0x0411u, 0x0000u})
        EXPECT_EQ(ChooseLanguage(none, id), Language::English) << id;
    EXPECT_EQ(ChooseLanguage(stored("en"), 0x0804), Language::English);
    EXPECT_EQ(ChooseLanguage(stored(" en "), 0x0804), Language::English);
    EXPECT_EQ(ChooseLanguage(stored("zh"), 0x0407), Language::Chinese);
    for (const char* other : {"", "fr", "EN", "english", "0"})
        EXPECT_EQ(ChooseLanguage(stored(other), 0x0407), Language::English) << other;
    EXPECT_EQ(ChooseLanguage({StoredText::Kind::Unreadable, ""}, 0x0804), Language::Chinese);
}

class InEnglish : public ProgramTest {
   protected:
    void SetUp() override { fake.uiLanguage = 0x0409; }
    const MenuItem* Item(const std::vector<MenuItem>& items, const std::string& text) {
        for (const MenuItem& item : items) {
            if (item.text == text) return &item;
            if (const MenuItem* inner = Item(item.sub, text)) return inner;
        }
        return nullptr;
    }
};

TEST_F(InEnglish, TheSplashTheSettingsWindowItsPartsAndTheMenuSpeakEnglishInALatinFace) {
    fake.heldElsewhere = {{kModAlt, kVkPrior}, {kModAlt, kVkEnd}};
    Launch();
    const FrmSplash& splash = program.frmSplash;
    EXPECT_EQ(splash.slogan.Caption(), text::kEnglish.slogan);
    EXPECT_EQ(splash.usageNote.Caption(), text::kEnglish.usage);
    EXPECT_EQ(splash.homeLink.Caption(), text::kEnglish.contactLink);
    EXPECT_STREQ(splash.slogan.Get().font.face, "Segoe UI");
    EXPECT_EQ(splash.slogan.Get().font.points, 21.75f);
    EXPECT_EQ(splash.title.Caption(), "Duskveil V4.0");
    fake.Advance(5000);
    OpenWithF7();
    FrmSet& set = program.frmSet;
    EXPECT_EQ(set.tintCaption.Caption(), "Tint");
    EXPECT_EQ(set.lightCaption.Caption(), "Light");
    EXPECT_EQ(set.swatch.Caption(), "Choose a colour");
    EXPECT_EQ(set.turnOff.Get().caption, "Turn night mode off");
    EXPECT_STREQ(set.turnOff.Get().font.face, "Segoe UI");
    EXPECT_EQ(set.turnOff.Get().font.points, 14.25f);
    EXPECT_EQ(set.closeMark.Caption(), "×");
    std::vector<AccessiblePart> parts;
    fake.Run([&] { parts = set.AccessibleParts(); });
    EXPECT_EQ(parts[0].name, "Brightness");
    EXPECT_EQ(parts[2].name, "Close");
    EXPECT_EQ(parts[1].action, "Press");
    EXPECT_EQ(parts[3].action, "Jump");
    CloseWithX();
    PickInMenu(0);
    for (const char* text :
         {"Settings", "Cover every monitor", "Hide the tint in screenshots", "Start at log-on",
          "Schedule", "No schedule", "Pause", "1 hour", "Until morning", "Warmth",
          "2700 K (incandescent)", "Turn night mode off", "21:00 – 07:00",
          "Hot keys (Alt+PgUp, Alt+End are taken by another program)"})
        EXPECT_NE(Item(fake.menus.back(), text), nullptr) << text;
    EXPECT_EQ(Item(fake.menus.back(), "设置"), nullptr);
}

TEST_F(InEnglish, AStoredLanguageOverridesTheSystems) {
    Put("Language", "zh");
    LaunchToNight();
    OpenWithF7();
    EXPECT_EQ(program.frmSet.swatch.Caption(), "点击此处选择颜色");
    EXPECT_STREQ(program.frmSet.swatch.Get().font.face, "宋体");
}

// Every text fits its control, in both languages, at 96 and 192 dots per
// inch: the labels that size themselves end before the next control and
// the window's edge; the swatch and the button hold their captions.
class Fit : public ProgramTest,
            public ::testing::WithParamInterface<std::tuple<unsigned, float>> {};

TEST_P(Fit, EveryTextFitsItsControl) {
    fake.uiLanguage = std::get<0>(GetParam());
    fake.tpp = std::get<1>(GetParam());
    Launch();
    const FrmSplash& splash = program.frmSplash;
    const float splashWidth = names::kSplashClient.width;
    for (const Label* l : {&splash.title, &splash.slogan, &splash.usageNote, &splash.author,
                           &splash.homeLink, &splash.feedback})
        EXPECT_LE(l->Rect().left + l->Rect().width, splashWidth) << l->Caption();
    fake.Advance(5000);
    OpenWithF7();
    FrmSet& set = program.frmSet;
    const float width = names::kSetClient.width;
    for (const Label* l : {&set.author, &set.homeLink, &set.feedback})
        EXPECT_LE(l->Rect().left + l->Rect().width, width) << l->Caption();
    EXPECT_LE(set.tintCaption.Rect().left + set.tintCaption.Rect().width, set.swatch.Rect().left);
    EXPECT_GE(set.tintCaption.Rect().left, 0);
    // Clear of the slider's focus rectangle, which reaches 150 twips left of it.
    EXPECT_LE(set.lightCaption.Rect().left + set.lightCaption.Rect().width,
              set.sliderTrack.X1() - 150);
    EXPECT_GE(set.lightCaption.Rect().left, 0);
    const auto holds = [&](const std::string& caption, const Font& font, const TwipsRect& r) {
        const TwipsSize size = set.Peer()->MeasureText(font, caption);
        return size.width <= r.width && size.height <= r.height;
    };
    EXPECT_TRUE(holds(set.swatch.Caption(), set.swatch.Get().font, set.swatch.Rect()));
    EXPECT_TRUE(holds(set.turnOff.Get().caption, set.turnOff.Get().font, set.turnOff.Get().rect));
}

INSTANTIATE_TEST_SUITE_P(BothLanguagesBothDensities, Fit,
                         ::testing::Combine(::testing::Values(0x0804u, 0x0409u),
                                            ::testing::Values(15.0f, 7.5f)));

}  // namespace
}  // namespace dv::fake
