// The program: its three windows and what they share. Each window exists at
// most once and is reached by its name.
#pragma once

#include "overlay/frm_night.h"
#include "overlay/mdluser.h"
#include "overlay/screens.h"
#include "settings/options.h"
#include "settings/frm_set.h"
#include "settings/language.h"
#include "startup/frm_splash.h"

namespace dv {

class Program {
   public:
    explicit Program(Platform& platform);

    // Loads the start-up window and shows it; the message loop does the rest.
    void Start();

    // Turns night mode off: writes "intLig", then "lngColor" as `colour`,
    // takes the icon away and ends the program at once, no unload running.
    void TurnOff(Colour colour);

    // The keyboard belongs to the user's program: true when one of this
    // program's windows has it now, or no window has, or the notification
    // area that a click on the icon activated.
    bool HoldsForeground();
    // Gives the keyboard back to `user`, when it still exists and is not one
    // of this program's windows.
    void GiveForegroundTo(Handle user);
    bool IsOurs(Handle h) const;

    Platform& host;
    Mdluser mdl;
    FrmSplash frmSplash;
    FrmNight frmNight;
    FrmSet frmSet;
    // What the overlay read at its load beyond colour and alpha.
    Options options;
    OsVersion os;
    // The language of every text the user reads, chosen at the start.
    Language language = Language::Chinese;
    const Texts& texts() const { return TextsFor(language); }
    Screens screens;
    // The window that had the keyboard when the program started.
    Handle startedFrom = 0;
};

}  // namespace dv
