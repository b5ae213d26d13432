// The language: its choice, its texts, its pick from the menu.
#include "fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "resources/texts/de.h"
#include "resources/texts/en.h"
#include "resources/texts/es.h"
#include "resources/texts/fr.h"
#include "resources/texts/ja.h"
#include "resources/texts/ko.h"
#include "resources/texts/pt-BR.h"
#include "resources/texts/ru.h"
#include "resources/texts/zh-Hant.h"
#include "resources/texts/zh.h"
#include "settings/language.h"

namespace dv::fake {
namespace {

TEST(LanguageChoice,
     EachLanguageOfWindowsItsOwnTraditionalForTaiwanHongKongAndMacaoEnglishForTheRest) {
    const StoredText none;
    const std::pair<unsigned, Language> ids[] = {
        {0x0804, Language::Chinese},
        {0x1004, Language::Chinese},
        {0x0404, Language::TraditionalChinese},
        {0x0C04, Language::TraditionalChinese},
        {0x1404, Language::TraditionalChinese},
        {0x0409, Language::English},
        {0x0809, Language::English},
        {0x0411, Language::Japanese},
        {0x0412, Language::Korean},
        {0x0407, Language::German},
        {0x0807, Language::German},
        {0x040C, Language::French},
        {0x0C0C, Language::French},
        {0x0C0A, Language::Spanish},
        {0x080A, Language::Spanish},
        {0x0419, Language::Russian},
        {0x0416, Language::Portuguese},
        {0x0816, Language::Portuguese},
        {0x0410, Language::English},
        {0x0000, Language::English},
    };
    for (const auto& [id, language] : ids) EXPECT_EQ(ChooseLanguage(none, id), language) << id;
}

TEST(LanguageChoice, AStoredCodeOverridesWindowsAndAnUnknownOneReadsAsWindows) {
    const auto stored = [](const char* t) { return StoredText{StoredText::Kind::Text, t}; };
    for (int i = 0; i < text::kLanguageCount; ++i)
        EXPECT_EQ(ChooseLanguage(stored(text::kLanguageNames[i].code), 0x0419), Language(i));
    EXPECT_EQ(ChooseLanguage(stored(" en "), 0x0804), Language::English);
    EXPECT_EQ(ChooseLanguage(stored(" zh-Hant"), 0x0409), Language::TraditionalChinese);
    for (const char* other : {"", "it", "EN", "english", "zh-TW", "pt", "0"})
        EXPECT_EQ(ChooseLanguage(stored(other), 0x0407), Language::German) << other;
    EXPECT_EQ(ChooseLanguage({StoredText::Kind::Unreadable, ""}, 0x0804), Language::Chinese);
}

// Every language has every text (the build stops otherwise), kept as its
// file writes it; and none carries what a menu or a format would read as
// a mark of its own.
TEST(LanguageFiles, EveryTextOfEveryLanguageIsKeptAsWrittenAndHoldsNoMarks) {
    const Texts* written[] = {&text::kChinese, &text::kTraditionalChinese,
                              &text::kEnglish, &text::kJapanese,
                              &text::kKorean,  &text::kGerman,
                              &text::kFrench,  &text::kSpanish,
                              &text::kRussian, &text::kPortuguese};
    for (int l = 0; l < text::kLanguageCount; ++l) {
        const Texts& kept = TextsFor(Language(l));
        const char* const code = text::kLanguageNames[l].code;
        std::size_t field = 0;
#define DV_CHECK_TEXT(name)                                                           \
    EXPECT_STREQ(kept.name, written[l]->name) << code << " " #name;                   \
    EXPECT_EQ(std::string_view(kept.name).find_first_of("&%\t\n"), std::string::npos) \
        << code << " " #name;                                                         \
    ++field;
        DV_TEXTS(DV_CHECK_TEXT)
#undef DV_CHECK_TEXT
        EXPECT_EQ(field * sizeof(const char*), sizeof(Texts));
    }
}

// Where the program joins a text to a key, a name or a number, every
// language leaves the blank or the colon the join needs: a combination or a
// list before "is taken", "(list full)" after a program's name, a number
// after "Monitor" and "Brightness", the rows' names after the line's lead.
TEST(LanguageFiles, EveryLanguageLeavesTheJoinsWhereTheProgramPutsNamesAndNumbers) {
    const auto begins = [](std::string_view s, std::string_view with) {
        return s.starts_with(with);
    };
    const auto ends = [](std::string_view s, std::string_view with) { return s.ends_with(with); };
    for (int l = 0; l < text::kLanguageCount; ++l) {
        const Texts& t = TextsFor(Language(l));
        const char* const code = text::kLanguageNames[l].code;
        for (const char* after :
             {t.takenOne, t.takenMany, t.hotKeyTwice, t.hotKeyNoModifier, t.listFull})
            EXPECT_TRUE(begins(after, " ")) << code << " \"" << after << "\"";
        for (const char* before : {t.monitor, t.levelLead})
            EXPECT_TRUE(ends(before, " ")) << code << " \"" << before << "\"";
        const std::string_view lead = t.pauseForLead, tail = t.pauseForTail;
        EXPECT_TRUE(lead.empty() || ends(lead, " ")) << code;
        EXPECT_TRUE(tail.empty() || begins(tail, " ")) << code;
        EXPECT_FALSE(lead.empty() && tail.empty()) << code << ": a program's name alone";
        EXPECT_TRUE(begins(t.hotKeyUnnamed, ":") || begins(t.hotKeyUnnamed, " :") ||
                    begins(t.hotKeyUnnamed, "："))
            << code;
        EXPECT_TRUE(ends(t.hotKeysUnreadable, ": ") || ends(t.hotKeysUnreadable, "：")) << code;
    }
}

class InEnglish : public ProgramTest {
   protected:
    void SetUp() override { fake.uiLanguage = 0x0409; }
    using ProgramTest::Item;
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
    EXPECT_STREQ(set.monitorName.Get().font.face, "Segoe UI") << "the monitor's name, too";
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

// The language's submenu lists Windows' own, then each language by its own
// name; a pick is stored, and the menu, the windows already made and those
// opened next speak it at once, in its face, the captions placed for its
// words.
TEST_F(InEnglish, APickFromTheMenuIsStoredAndTheWindowsAndTheMenuFollowAtOnce) {
    fake.missingFaces = {"Yu Gothic UI"};
    LaunchToNight();
    fake.PressHotKey(kModAlt, kVkNext);
    const FrmLevel* level = nullptr;
    for (const auto& [h, w] : fake.windows)
        if (w.form && w.form->Design().startUp == StartUp::Placed && w.visible)
            level = static_cast<const FrmLevel*>(w.form);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->level.Caption(), "Brightness 35%");

    PickInMenu(menu::kLanguageJa);
    EXPECT_TRUE(Item(menu::kLanguageAsWindows).checked);
    EXPECT_EQ(Item(menu::kLanguagePtBr).text, "Português (Brasil)");
    EXPECT_EQ(Stored("Language"), "ja");
    EXPECT_FALSE(level->IsShown()) << "a level said in English goes";
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(level->level.Caption(), std::string(text::kJapanese.levelLead) + "29%");
    EXPECT_STREQ(level->level.Get().font.face, "Meiryo UI");
    PickInMenu(0);
    EXPECT_EQ(Item(menu::kSettings).text, text::kJapanese.menuSettings);
    EXPECT_TRUE(Item(menu::kLanguageJa).checked);
    EXPECT_FALSE(Item(menu::kLanguageAsWindows).checked);
    EXPECT_EQ(Item(menu::kLanguageAsWindows).text, text::kJapanese.languageAsWindows);
    OpenWithF7();
    FrmSet& set = program.frmSet;
    EXPECT_EQ(set.swatch.Caption(), text::kJapanese.swatch);
    EXPECT_EQ(set.turnOff.Get().caption, text::kJapanese.turnOff);
    EXPECT_STREQ(set.turnOff.Get().font.face, "Meiryo UI");
    EXPECT_EQ(set.turnOff.Get().font.charset, 128);
    EXPECT_LE(set.tintCaption.Rect().left + set.tintCaption.Rect().width, set.swatch.Rect().left);
    std::vector<AccessiblePart> parts;
    fake.Run([&] { parts = set.AccessibleParts(); });
    EXPECT_EQ(parts[0].name, text::kJapanese.brightness);
    CloseWithX();

    // Windows' own again: the value goes. A write the store refuses changes
    // nothing.
    PickInMenu(menu::kLanguageAsWindows);
    EXPECT_EQ(Stored("Language"), "<none>");
    fake.refusedWrites.insert("Language");
    PickInMenu(menu::kLanguageDe);
    PickInMenu(0);
    EXPECT_TRUE(Item(menu::kLanguageAsWindows).checked);
    EXPECT_EQ(Item(menu::kSettings).text, std::string("Settings"));
}

// A window made before the pick and still loaded (the settings window while
// it waits hidden) takes the new texts in place: back in Simplified Chinese,
// the design's own texts, faces and places.
TEST_F(InEnglish, AWindowAlreadyLoadedTakesThePickInPlace) {
    LaunchToNight();
    OpenWithF7();
    FrmSet& set = program.frmSet;
    fake.Run([&] {
        set.Hide();
        program.PickLanguage(Language::Chinese);
    });
    bool retexted = false;
    for (const Call& c : fake.CallsNamed("ButtonsRetexted"))
        retexted |= c.args[0] == set.NativeHandle();
    EXPECT_TRUE(retexted) << "the button's own text, which screen readers read";
    const layout::SetControls design;
    EXPECT_EQ(set.tintCaption.Rect().left, design.tintCaption.Rect().left);
    EXPECT_STREQ(set.swatch.Get().font.face, "宋体");
    EXPECT_EQ(set.swatch.Caption(), design.swatch.Caption());
    EXPECT_EQ(set.turnOff.Get().caption, design.turnOff.Get().caption);
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
