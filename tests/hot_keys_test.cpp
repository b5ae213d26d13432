// The hot keys the user chooses: their texts, the control's words, and the
// dialog that takes a set as a whole or not at all.
#include "night_fixture.h"
#include "overlay/tray_menu.h"
#include "resources/texts.h"
#include "resources/texts/zh.h"
#include "settings/hot_keys.h"

namespace dv::fake {
namespace {

using namespace menu;

constexpr unsigned kCtrl = kModControl, kShift = kModShift;
constexpr unsigned kVkF1 = 0x70;

TEST(HotKeyText, EveryKeyReadsBackAsWrittenWhateverTheCaseAndModifiersComeCtrlAltShift) {
    std::vector<unsigned> keys = {kVkPrior, kVkNext, kVkEnd, 0x24, 0x2D, 0x25, 0x26, 0x27, 0x28};
    for (unsigned vk = 'A'; vk <= 'Z'; ++vk) keys.push_back(vk);
    for (unsigned vk = '0'; vk <= '9'; ++vk) keys.push_back(vk);
    for (unsigned n = 0; n < 24; ++n) keys.push_back(kVkF1 + n);
    for (const unsigned vk : keys) {
        const HotKey key{kCtrl | kModAlt | kShift, vk};
        const std::string text = HotKeyText(key);
        ASSERT_EQ(text.rfind("Ctrl+Alt+Shift+", 0), 0u) << text;
        EXPECT_EQ(ReadHotKey(text), key) << text;
        std::string lower = text;
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(ReadHotKey(lower), key) << lower;
    }
    EXPECT_EQ(HotKeyText({kModAlt, kVkNext}), "Alt+PgDn");
    EXPECT_EQ(HotKeyText({kCtrl | kShift, kVkF1 + 8}), "Ctrl+Shift+F9");
    EXPECT_EQ(HotKeyText({kShift | kCtrl, 0x26}), "Ctrl+Shift+Up");
    EXPECT_EQ(ReadHotKey("Shift+Ctrl+F24"), (HotKey{kCtrl | kShift, kVkF1 + 23}));
    EXPECT_EQ(ReadHotKey(" alt + pgdn "), (HotKey{kModAlt, kVkNext}));
    EXPECT_EQ(ReadHotKey("F12"), (HotKey{0, kVkF1 + 11}));
    EXPECT_EQ(ReadHotKey(""), HotKey{}) << "empty: no key for the action";
    EXPECT_EQ(HotKeyText({}), "");
}

TEST(HotKeyText, ATextThatDoesNotNameOneCombinationDoesNotRead) {
    for (const char* bad :
         {"Win+A", "Alt+Alt+A", "Alt+", "+A", "A+B", "Alt+F25", "Alt+F0", "Alt+F01", "Alt+Space",
          "Alt+PageDown", "Ctrl+Alt", "Alt++A", "Alt+AB", "Alt+Ä", "Alt+;"})
        EXPECT_FALSE(ReadHotKey(bad)) << bad;
}

TEST(HotKeyControl, ShiftAndAltSwapPlacesAndTheNavigationKeysAreExtendedOnlyOnTheWayIn) {
    // The control's flags: Shift 1, Ctrl 2, Alt 4, extended 8.
    EXPECT_EQ(ToControl({kModAlt, kVkNext}), 0x0C22);
    EXPECT_EQ(ToControl({kShift, 'A'}), 0x0141);
    EXPECT_EQ(ToControl({kCtrl | kShift, kVkF1 + 8}), 0x0378);
    EXPECT_EQ(ToControl({}), 0);
    EXPECT_EQ(FromControl(0x0441), (HotKey{kModAlt, 'A'}));
    EXPECT_EQ(FromControl(0x0141), (HotKey{kShift, 'A'}));
    // The number pad's Page Down reaches the program as the same key.
    EXPECT_EQ(FromControl(0x0422), (HotKey{kModAlt, kVkNext}));
    EXPECT_EQ(FromControl(0), HotKey{});
    for (const unsigned vk : {kVkPrior, kVkNext, kVkEnd, 0x24u, 0x2Du, 0x25u, 0x26u, 0x27u, 0x28u})
        EXPECT_EQ(ToControl({kModAlt, vk}) >> 8, 0x0Cu) << vk;
    for (unsigned mods = 0; mods < 8; ++mods)
        for (const unsigned vk : {unsigned('Q'), kVkF1 + 3, 0x28u})
            EXPECT_EQ(FromControl(ToControl({mods, vk})), (HotKey{mods, vk}));
    // Keys the control takes that have no name here: the number pad, ";".
    EXPECT_FALSE(FromControl(0x0460));
    EXPECT_FALSE(FromControl(0x04BA));
}

TEST(HotKeySet, ARepeatF7OrAPlainKeyOtherThanAnFKeyIsRefusedAtItsRow) {
    const HotKey none;
    EXPECT_EQ(CheckSet(kDefaultHotKeys).refusal, Refusal::None);
    EXPECT_EQ(CheckSet({none, none, none}).refusal, Refusal::None);
    EXPECT_EQ(CheckSet({HotKey{0, kVkF1 + 8}, none, none}).refusal, Refusal::None);
    const SetCheck twice = CheckSet({HotKey{kModAlt, 'A'}, none, HotKey{kModAlt, 'A'}});
    EXPECT_EQ(twice.refusal, Refusal::Repeated);
    EXPECT_EQ(twice.row, 2u);
    EXPECT_EQ(CheckSet({none, HotKey{kCtrl | kShift, kVkF7}, none}).refusal, Refusal::SettingsKey);
    EXPECT_EQ(CheckSet({none, none, HotKey{0, kVkF7}}).refusal, Refusal::SettingsKey);
    const SetCheck plain = CheckSet({none, HotKey{0, kVkEnd}, none});
    EXPECT_EQ(plain.refusal, Refusal::NoModifier);
    EXPECT_EQ(plain.row, 1u);
}

using ChosenKeys = Night;
using Press = FakePlatform::HotKeyPress;

TEST_F(ChosenKeys, StoredTextsAreReadAndOneThatDoesNotReadKeepsItsDefaultAndIsSaid) {
    Put("HotKeyDarker", "ctrl+alt+down");
    Put("HotKeyBrighter", "");
    Put("HotKeyPause", "Alt+Enter");
    LaunchAt(22, 0);
    fake.PressHotKey(kCtrl | kModAlt, kVkDown);
    EXPECT_EQ(Alpha(), 166);
    fake.PressHotKey(kModAlt, kVkNext);
    fake.PressHotKey(kModAlt, kVkPrior);
    EXPECT_EQ(Alpha(), 166) << "the old darker, and no brighter at all";
    fake.PressHotKey(kModAlt, kVkEnd);
    EXPECT_TRUE(program.night.Paused()) << "a text that does not read: the default";
    PickInMenu(0);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Ctrl+Alt+Down / Alt+End)");
    PickInMenu(kChooseHotKeys);
    ASSERT_TRUE(fake.hotKeyDialog);
    EXPECT_EQ(fake.hotKeyDialog->note, std::string(text::kChinese.hotKeysUnreadable) + "暂停/继续");
    EXPECT_EQ(Stored("HotKeyPause"), "Alt+Enter") << "left as it is";
    EXPECT_EQ(fake.hotKeyDialog->words, (std::vector<std::uint16_t>{0x0E28, 0, 0x0C23}));
}

TEST_F(ChosenKeys, AStoredCombinationTheDialogWouldRefuseIsTakenAsOneThatDoesNotRead) {
    Put("HotKeyDarker", "A");           // every "a" typed anywhere
    Put("HotKeyBrighter", "Alt+PgUp");  // fine
    Put("HotKeyPause", "Alt+PgUp");     // the brighter one's
    LaunchAt(22, 0);
    EXPECT_FALSE(fake.hotKeys.count({0, 'A'}));
    EXPECT_EQ(fake.hotKeys.size(), 3u) << "the defaults, each once";
    fake.PressHotKey(kModAlt, kVkEnd);
    EXPECT_TRUE(program.night.Paused());
    PickInMenu(kChooseHotKeys);
    EXPECT_EQ(fake.hotKeyDialog->note,
              std::string(text::kChinese.hotKeysUnreadable) + "调暗、暂停/继续");
    EXPECT_EQ(Stored("HotKeyDarker"), "A") << "left as it is";
}

TEST_F(ChosenKeys, F7PressedInTheDialogEvenAsItClosesOpensNothing) {
    LaunchAt(22, 0);
    fake.hotKeyPresses = {{Press::F7}, {Press::Cancel}};
    PickInMenu(kChooseHotKeys);
    fake.Advance(500);
    EXPECT_FALSE(program.frmSet.IsLoaded());
}

TEST_F(ChosenKeys, OkTakesTheWholeSetTheOldOnesNoLongerWorkAndTheMenuShowsTheNew) {
    LaunchAt(22, 0);
    fake.hotKeyPresses = {{Press::Ok, {0x0628, 0x0626, 0x0423}}};
    PickInMenu(kChooseHotKeys);
    EXPECT_TRUE(fake.hotKeyNotes.empty());
    EXPECT_EQ(Stored("HotKeyDarker"), "Ctrl+Alt+Down");
    EXPECT_EQ(Stored("HotKeyBrighter"), "Ctrl+Alt+Up");
    EXPECT_FALSE(fake.store.count("HotKeyPause")) << "unchanged: still its default";
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Alpha(), 150);
    fake.PressHotKey(kCtrl | kModAlt, kVkDown);
    EXPECT_EQ(Alpha(), 166);
    fake.PressHotKey(kCtrl | kModAlt, kVkUp);
    EXPECT_EQ(Alpha(), 150);
    EXPECT_EQ(fake.hotKeys.size(), 3u);
    PickInMenu(0);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Ctrl+Alt+Down / Ctrl+Alt+Up / Alt+End)");

    // Defaults, then OK: back to the first set, each text written again.
    fake.hotKeyPresses = {{Press::Defaults}, {Press::Ok}};
    PickInMenu(kChooseHotKeys);
    EXPECT_EQ(Stored("HotKeyDarker"), "Alt+PgDn");
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Alpha(), 166);
}

TEST_F(ChosenKeys, ARefusedSetChangesNothingAndTheDialogSaysWhyUntilCancelled) {
    fake.heldElsewhere = {{kCtrl, 'Q'}};
    LaunchAt(22, 0);
    fake.hotKeyPresses = {
        {Press::Ok, {0x0241, 0x0442, 0x0251}},  // Ctrl+A, Alt+B, Ctrl+Q held elsewhere
        {Press::Ok, {0x0441, 0x0441, 0}},       // twice
        {Press::Ok, {0x0176, 0, 0}},            // Shift+F7
        {Press::Ok, {0x0023, 0, 0}},            // End alone
        {Press::Ok, {0x0460, 0, 0}},            // the number pad's 0
        {Press::Cancel},
    };
    PickInMenu(kChooseHotKeys);
    EXPECT_EQ(fake.hotKeyNotes,
              (std::vector<std::string>{
                  "Ctrl+Q 被其他程序占用", "Alt+A 重复了", text::kChinese.hotKeySettingsKey,
                  "End 须与 Ctrl、Alt 或 Shift 同按", "调暗：这个键不能用作快捷键"}));
    for (const char* key : {"HotKeyDarker", "HotKeyBrighter", "HotKeyPause"})
        EXPECT_FALSE(fake.store.count(key)) << key;
    // Only the program's own set, as it was: the new ones that did register
    // are let go again.
    EXPECT_EQ(fake.hotKeys.size(), 3u);
    EXPECT_FALSE(fake.hotKeys.count({kCtrl, 'A'}));
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Alpha(), 166);

    // A refused write puts back those written before it as they were, and
    // nothing else changes.
    Put("HotKeyBrighter", "alt+pgup");
    fake.store["HotKeyDarker"] = {StoredText::Kind::Unreadable, ""};  // not a text at all
    fake.refusedWrites = {"HotKeyPause"};
    fake.hotKeyPresses = {{Press::Ok, {0x0241, 0x0442, 0x0278}}};
    PickInMenu(kChooseHotKeys);
    EXPECT_EQ(fake.hotKeyNotes.back(), text::kChinese.hotKeysNotStored);
    EXPECT_FALSE(fake.store.count("HotKeyDarker")) << "read as the default, as before";
    EXPECT_EQ(Stored("HotKeyBrighter"), "alt+pgup");
    fake.PressHotKey(kModAlt, kVkNext);
    EXPECT_EQ(Alpha(), 182);
    EXPECT_FALSE(fake.hotKeys.count({kCtrl, 'A'}));
}

TEST_F(ChosenKeys, WithTheHotKeysOffASetIsStoredUnregisteredAndCheckedWhenTheyComeOn) {
    Put("HotKeys", "0");
    fake.heldElsewhere = {{kCtrl, 'Q'}};
    LaunchAt(22, 0);
    fake.hotKeyPresses = {{Press::Ok, {0x0251, 0x0077, 0}}};  // Ctrl+Q, F8, none
    PickInMenu(kChooseHotKeys);
    EXPECT_TRUE(fake.hotKeyNotes.empty());
    EXPECT_TRUE(fake.hotKeys.empty());
    EXPECT_EQ(Stored("HotKeyDarker"), "Ctrl+Q");
    EXPECT_EQ(Stored("HotKeyPause"), "");
    PickInMenu(kHotKeys);
    EXPECT_EQ(fake.hotKeys.size(), 1u) << "F8 alone; Ctrl+Q is held elsewhere";
    fake.PressHotKey(0, 0x77);
    EXPECT_EQ(Alpha(), 134);
    PickInMenu(0);
    EXPECT_EQ(Item(kHotKeys).text, "快捷键 (Ctrl+Q 被其他程序占用)");
}

}  // namespace
}  // namespace dv::fake
