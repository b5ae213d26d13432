// The hot keys the user chooses: one combination for each action, kept as
// a text such as "Ctrl+Shift+F9", and the hot-key control's own word for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system_calls.h"

namespace dv {

// RegisterHotKey's modifiers (kModAlt is the system's MOD_ALT).
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;

// A combination as RegisterHotKey takes it; no key at all (vk 0) for none.
struct HotKey {
    unsigned modifiers = 0;
    unsigned vk = 0;
    bool None() const { return vk == 0; }
    bool operator==(const HotKey&) const = default;
};

// The actions, in the order of the dialog's rows and of the menu's item.
enum HotKeyAction : std::size_t { kDarker, kBrighter, kPauseResume, kActionCount };
using HotKeySet = std::array<HotKey, kActionCount>;
inline constexpr HotKeySet kDefaultHotKeys = {{
    {kModAlt, kVkNext},
    {kModAlt, kVkPrior},
    {kModAlt, kVkEnd},
}};

// The text of a combination: the modifiers in the order Ctrl, Alt, Shift,
// then the key's name, joined by "+"; empty for none.
std::string HotKeyText(const HotKey& key);
// A stored text read back, without regard to case, blanks round each part
// allowed: empty reads as none; nothing for a text that does not read (an
// unknown name, a modifier twice, no key or two).
std::optional<HotKey> ReadHotKey(std::string_view text);

// The hot-key control's word: the key in the low byte and its own flags in
// the high one (Shift 1, Ctrl 2, Alt 4, and 8 for an extended key, which
// the navigation keys need to show by their names rather than the number
// pad's). Nothing for a key this program cannot keep by name.
std::optional<HotKey> FromControl(std::uint16_t word);
std::uint16_t ToControl(const HotKey& key);

// What keeps a set from being taken: a combination twice, F7 (the key that
// opens the settings window, with any modifiers), a key other than F1 to F24
// without a modifier, or one the control took that has no name here; and
// the row it was found at.
enum class Refusal { None, Repeated, SettingsKey, NoModifier, Unnamed };
struct SetCheck {
    Refusal refusal = Refusal::None;
    std::size_t row = 0;
};
SetCheck CheckSet(const HotKeySet& set);

}  // namespace dv
