// The program's hot keys: the combination chosen for each action, kept in
// the store, registered for the overlay while they are on, and the dialog
// that chooses them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/user_context.h"
#include "settings/store.h"

namespace dv {

class OwnHotKeys : private HotKeyChooser {
   public:
    OwnHotKeys(Platform& host, UserContext& context)
        : host_(host), context_(context), store_(host) {}

    // Reads each action's combination from the store.
    void Read();
    // Registers the set for `window` (each action's hot key id is its row
    // plus 1), noting those another program holds, which are left to it;
    // or lets them all go.
    void Register(Handle window);
    void Release();
    // The action hot key `id` stands for; nothing for another id.
    std::optional<HotKeyAction> ActionOf(int id) const;
    // The hot keys' menu item: the combinations in force, or those another
    // program holds.
    std::string MenuText() const;
    // The dialog, modal over `owner`, which is the window the keys are
    // registered for while `on`. They are let go while it is open, so that
    // they can be typed into it, and are back as they were when it closes
    // without a new set.
    void Choose(Form& owner, bool on);
    bool Choosing() const { return choosing_; }
    const HotKeySet& Keys() const { return keys_; }

   private:
    std::vector<std::uint16_t> DefaultWords() override;
    std::string Take(const std::vector<std::uint16_t>& words) override;
    // Registers every combination of `set`; when one is held elsewhere,
    // none stays registered, and the answer names those held.
    std::string TryRegister(const HotKeySet& set);
    // Each action whose stored text has to change for `set`, written, all
    // or none.
    bool Store(const HotKeySet& set);
    std::string RowNames(const std::array<bool, kActionCount>& rows) const;

    Platform& host_;
    UserContext& context_;
    dv::Store store_;
    HotKeySet keys_ = kDefaultHotKeys;
    std::array<bool, kActionCount> unreadable_{};
    std::array<bool, kActionCount> taken_{};
    std::array<bool, kActionCount> registered_{};
    Handle window_ = 0;
    bool choosing_ = false;
    bool on_ = false;    // while choosing: a set is registered as it is taken
    bool took_ = false;  // while choosing: a new set was taken
};

}  // namespace dv
