#include "settings/hot_keys.h"

#include <algorithm>

#include "settings/convert.h"

namespace dv {

namespace {

constexpr unsigned kVkF1 = 0x70, kVkF24 = 0x87, kVkInsert = 0x2D;

// The keys kept by a name of their own; letters, digits and F keys are
// named by rule.
struct NamedKey {
    unsigned vk;
    const char* name;
};
constexpr NamedKey kNamed[] = {
    {kVkPrior, "PgUp"},           {kVkNext, "PgDn"},
    {static_cast<unsigned>(kVkHome), "Home"},  {kVkEnd, "End"},
    {kVkInsert, "Insert"},         {static_cast<unsigned>(kVkUp), "Up"},
    {static_cast<unsigned>(kVkDown), "Down"},  {static_cast<unsigned>(kVkLeft), "Left"},
    {static_cast<unsigned>(kVkRight), "Right"},
};

struct Modifier {
    unsigned mod;
    const char* name;
};
constexpr Modifier kModifiers[] = {{kModControl, "Ctrl"}, {kModAlt, "Alt"}, {kModShift, "Shift"}};

bool Extended(unsigned vk) {
    return std::any_of(std::begin(kNamed), std::end(kNamed),
                       [&](const NamedKey& k) { return k.vk == vk; });
}

std::string KeyName(unsigned vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, char(vk));
    if (vk >= kVkF1 && vk <= kVkF24) return "F" + LngToText(int(vk - kVkF1 + 1));
    for (const NamedKey& k : kNamed)
        if (k.vk == vk) return k.name;
    return {};
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Upper(x) == Upper(y);
           });
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The key a name stands for; 0 for none.
unsigned KeyOf(std::string_view name) {
    if (name.size() == 1) {
        const char c = Upper(name[0]);
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? unsigned(c) : 0;
    }
    if (name.size() <= 3 && Upper(name[0]) == 'F' && name[1] >= '1' && name[1] <= '9') {
        unsigned n = 0;
        for (const char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + unsigned(c - '0');
        }
        return n >= 1 && n <= 24 ? kVkF1 + n - 1 : 0;
    }
    for (const NamedKey& k : kNamed)
        if (SameName(name, k.name)) return k.vk;
    return 0;
}

}  // namespace

std::string HotKeyText(const HotKey& key) {
    if (key.None()) return {};
    std::string text;
    for (const Modifier& m : kModifiers)
        if (key.modifiers & m.mod) text += std::string(m.name) + "+";
    return text + KeyName(key.vk);
}

std::optional<HotKey> ReadHotKey(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) return HotKey{};
    HotKey key;
    while (true) {
        const std::size_t plus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            key.vk = part.empty() ? 0 : KeyOf(part);
            if (key.vk == 0) return std::nullopt;
            return key;
        }
        const auto m = std::find_if(std::begin(kModifiers), std::end(kModifiers),
                                    [&](const Modifier& each) { return SameName(part, each.name); });
        if (m == std::end(kModifiers) || (key.modifiers & m->mod)) return std::nullopt;
        key.modifiers |= m->mod;
        text.remove_prefix(plus + 1);
    }
}

namespace {

// The hot-key control's flags.
constexpr unsigned kControlShift = 1, kControlCtrl = 2, kControlAlt = 4, kControlExt = 8;

}  // namespace

std::optional<HotKey> FromControl(std::uint16_t word) {
    const unsigned vk = word & 0xFF, flags = word >> 8;
    if (vk == 0) return HotKey{};
    if (KeyName(vk).empty()) return std::nullopt;
    // The extended flag only tells the navigation keys from the number
    // pad's; either reaches the program as the same key.
    return HotKey{(flags & kControlCtrl ? kModControl : 0) | (flags & kControlAlt ? kModAlt : 0) |
                      (flags & kControlShift ? kModShift : 0),
                  vk};
}

std::uint16_t ToControl(const HotKey& key) {
    if (key.None()) return 0;
    const unsigned flags = (key.modifiers & kModControl ? kControlCtrl : 0) |
                           (key.modifiers & kModAlt ? kControlAlt : 0) |
                           (key.modifiers & kModShift ? kControlShift : 0) |
                           (Extended(key.vk) ? kControlExt : 0);
    return static_cast<std::uint16_t>(flags << 8 | key.vk);
}

SetCheck CheckSet(const HotKeySet& set) {
    for (std::size_t row = 0; row < set.size(); ++row) {
        const HotKey& key = set[row];
        if (key.None()) continue;
        if (key.vk == unsigned(kVkF7)) return {Refusal::SettingsKey, row};
        const bool fKey = key.vk >= kVkF1 && key.vk <= kVkF24;
        if (key.modifiers == 0 && !fKey) return {Refusal::NoModifier, row};
        for (std::size_t before = 0; before < row; ++before)
            if (set[before] == key) return {Refusal::Repeated, row};
    }
    return {};
}

}  // namespace dv
