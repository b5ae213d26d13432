#include "forms/own_hot_keys.h"

#include "platform/form.h"
#include "resources/look.h"

namespace dv {

namespace {

// The texts of `keys` where `rows` says, joined as the language joins a
// list.
std::string Joined(const HotKeySet& keys, const std::array<bool, kActionCount>& rows,
                   const char* join) {
    std::string text;
    for (std::size_t row = 0; row < kActionCount; ++row)
        if (rows[row]) text += (text.empty() ? "" : join) + HotKeyText(keys[row]);
    return text;
}

// "… is taken by another program", for one combination or several.
std::string TakenText(const Texts& t, const HotKeySet& keys,
                      const std::array<bool, kActionCount>& taken) {
    int count = 0;
    for (const bool b : taken) count += b;
    return Joined(keys, taken, t.listJoin) + (count == 1 ? t.takenOne : t.takenMany);
}

}  // namespace

void OwnHotKeys::Read() {
    const StoredHotKeys stored = store_.ReadHotKeys();
    keys_ = stored.keys;
    unreadable_ = stored.unreadable;
}

void OwnHotKeys::Register(Handle window) {
    window_ = window;
    for (std::size_t row = 0; row < kActionCount; ++row) {
        const HotKey& key = keys_[row];
        if (key.None()) continue;
        registered_[row] = host_.RegisterHotKey(window, int(row) + 1, key.modifiers, key.vk);
        taken_[row] = !registered_[row];
    }
}

void OwnHotKeys::Release() {
    for (std::size_t row = 0; row < kActionCount; ++row) {
        if (registered_[row]) host_.UnregisterHotKey(window_, int(row) + 1);
        registered_[row] = taken_[row] = false;
    }
}

std::optional<HotKeyAction> OwnHotKeys::ActionOf(int id) const {
    if (id < 1 || id > int(kActionCount)) return std::nullopt;
    return HotKeyAction(id - 1);
}

std::string OwnHotKeys::MenuText() const {
    const Texts& t = context_.texts();
    std::array<bool, kActionCount> chosen{};
    bool anyTaken = false;
    for (std::size_t row = 0; row < kActionCount; ++row) {
        chosen[row] = !keys_[row].None();
        anyTaken = anyTaken || taken_[row];
    }
    std::string said = anyTaken ? TakenText(t, keys_, taken_) : Joined(keys_, chosen, " / ");
    if (said.empty()) said = t.hotKeysNone;
    return std::string(t.menuHotKeys) + " (" + said + ")";
}

std::string OwnHotKeys::RowNames(const std::array<bool, kActionCount>& rows) const {
    const Texts& t = context_.texts();
    const char* const names[] = {t.hotKeyDarker, t.hotKeyBrighter, t.hotKeyPause};
    std::string text;
    for (std::size_t row = 0; row < kActionCount; ++row)
        if (rows[row]) text += (text.empty() ? "" : t.listJoin) + std::string(names[row]);
    return text;
}

void OwnHotKeys::Choose(Form& owner, bool on) {
    const Texts& t = context_.texts();
    HotKeyDialogDesign design;
    design.caption = t.hotKeysTitle;
    design.rows = {t.hotKeyDarker, t.hotKeyBrighter, t.hotKeyPause};
    design.defaults = t.hotKeyDefaults;
    design.ok = t.hotKeyOk;
    design.cancel = t.hotKeyCancel;
    design.font = context_.FontFor(layout::kSong9);
    for (const HotKey& key : keys_) design.words.push_back(ToControl(key));
    if (const std::string rows = RowNames(unreadable_); !rows.empty())
        design.note = t.hotKeysUnreadable + rows;
    if (window_ == 0) window_ = owner.NativeHandle();
    if (on) Release();
    choosing_ = true;
    on_ = on;
    took_ = false;
    host_.ChooseHotKeys(owner, design, *this);
    choosing_ = false;
    // A new set was registered as it was taken; else the old one comes back
    // (unless the window went meanwhile, the program with it).
    if (on && !took_ && owner.IsLoaded()) Register(window_);
}

std::vector<std::uint16_t> OwnHotKeys::DefaultWords() {
    std::vector<std::uint16_t> words;
    for (const HotKey& key : kDefaultHotKeys) words.push_back(ToControl(key));
    return words;
}

std::string OwnHotKeys::Take(const std::vector<std::uint16_t>& words) {
    const Texts& t = context_.texts();
    HotKeySet set;
    for (std::size_t row = 0; row < kActionCount && row < words.size(); ++row) {
        const std::optional<HotKey> key = FromControl(words[row]);
        if (!key) return RowNames({row == 0, row == 1, row == 2}) + t.hotKeyUnnamed;
        set[row] = *key;
    }
    switch (const SetCheck check = CheckSet(set); check.refusal) {
        case Refusal::Repeated:
            return HotKeyText(set[check.row]) + t.hotKeyTwice;
        case Refusal::SettingsKey:
            return t.hotKeySettingsKey;
        case Refusal::NoModifier:
            return HotKeyText(set[check.row]) + t.hotKeyNoModifier;
        default:
            break;
    }
    if (on_) {
        if (std::string taken = TryRegister(set); !taken.empty()) return taken;
    }
    if (!Store(set)) {
        Release();
        return t.hotKeysNotStored;
    }
    keys_ = set;
    unreadable_ = {};
    took_ = true;
    return {};
}

std::string OwnHotKeys::TryRegister(const HotKeySet& set) {
    std::array<bool, kActionCount> taken{};
    bool anyTaken = false;
    for (std::size_t row = 0; row < kActionCount; ++row) {
        if (set[row].None()) continue;
        registered_[row] = host_.RegisterHotKey(window_, int(row) + 1, set[row].modifiers,
                                                set[row].vk);
        taken[row] = !registered_[row];
        anyTaken = anyTaken || taken[row];
    }
    if (!anyTaken) return {};
    Release();
    return TakenText(context_.texts(), set, taken);
}

bool OwnHotKeys::Store(const HotKeySet& set) {
    std::array<bool, kActionCount> changed{};
    for (std::size_t row = 0; row < kActionCount; ++row)
        changed[row] = set[row] != keys_[row] || unreadable_[row];
    return store_.SetHotKeys(set, changed);
}

}  // namespace dv
