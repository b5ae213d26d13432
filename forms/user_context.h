// What a window asks of the program beyond night mode: the language the user
// reads, and who has the keyboard.
#pragma once

#include <optional>

#include "platform/platform.h"
#include "settings/language.h"

namespace dv {

class UserContext {
   public:
    virtual Language language() const = 0;
    const Texts& texts() const { return TextsFor(language()); }
    // A design's font for the language's texts.
    virtual Font FontFor(const Font& design) = 0;
    // The language the user picked, nothing for Windows' own; picking one
    // stores it, and every window and the menu follow at once.
    virtual std::optional<Language> PickedLanguage() = 0;
    virtual void PickLanguage(std::optional<Language> language) = 0;
    // The window that had the keyboard when the program started.
    virtual Handle StartedFrom() const = 0;
    // The keyboard belongs to the user's program: true when one of this
    // program's windows has it now, or no window has, or the notification
    // area that a click on the icon activated.
    virtual bool HoldsForeground() = 0;
    // Gives the keyboard back to `user`, when it still exists and is not one
    // of this program's windows.
    virtual void GiveForegroundTo(Handle user) = 0;
    virtual bool IsOurs(Handle h) const = 0;

   protected:
    ~UserContext() = default;
};

}  // namespace dv
