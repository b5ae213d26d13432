// The tray icon's menu: the settings window, the options, starting at
// log-on, and turning night mode off.
#include "overlay/tray_menu.h"

#include "overlay/frm_night.h"
#include "overlay/layer.h"
#include "resources/names.h"
#include "resources/texts.h"
#include "startup/program.h"

namespace dv {

using namespace menu;

bool FrmNight::LayersExcluded() {
    const auto excluded = [this](Handle h) {
        return Host().GetWindowDisplayAffinity(h) == kWdaExcludeFromCapture;
    };
    if (!excluded(hWnd())) return false;
    for (const auto& s : program_.screens.All())
        if (!excluded(s->NativeHandle())) return false;
    return true;
}

void FrmNight::TrayMenu(Handle user) {
    Platform& host = Host();
    Options& options = program_.options;
    // Never over an open settings window (F7 holds it modally).
    if (program_.frmSet.IsShown()) return;
    const std::string exe = host.ExePath();
    const bool atLogOn = StartsAtLogOn(host, exe);
    // The ticks say what the system does, not only what was asked of it.
    const bool canExclude = MayExcludeFromCapture(program_.os);
    const bool excluded = canExclude && LayersExcluded();
    const std::vector<MenuItem> items{
        {kSettings, text::kMenuSettings, false},
        {},
        {kAllScreens, text::kMenuAllScreens, options.allScreens},
        {kHideInCaptures, text::kMenuHideInCaptures, excluded, canExclude},
        {kStartAtLogOn, text::kMenuStartAtLogOn, atLogOn},
        {},
        {kTurnOff, text::kMenuTurnOff, false},
    };
    // Keep-on-top waits while the menu is open, or the layers would cover it.
    Timer2.SetEnabled(false);
    const int chosen = host.PopupMenu(*this, items, program_.IsOurs(user) ? 0 : user);
    Timer2.SetEnabled(true);
    // A toggle takes effect only once it is written: a write the store
    // refuses leaves the old state, and the menu shows it next time.
    switch (chosen) {
        case kSettings:
            OpenSettingsFromTray(user);
            return;
        case kAllScreens:
            if (!SaveOption(host, names::kKeyAllScreens, !options.allScreens)) break;
            options.allScreens = !options.allScreens;
            LayOutScreens();
            break;
        case kHideInCaptures:
            // The user asks for the opposite of what the tick showed.
            if (!canExclude || !SaveOption(host, names::kKeyHideInCaptures, !excluded)) break;
            options.hideInCaptures = !excluded;
            SetCaptureExclusion(host, hWnd(), program_.os, options.hideInCaptures);
            program_.screens.SetCaptureExclusion(program_.os, options.hideInCaptures);
            break;
        case kStartAtLogOn:
            SetStartAtLogOn(host, exe, !atLogOn);
            break;
        case kTurnOff:
            program_.TurnOff(BackColor());
            break;
        default:
            break;
    }
    // Whatever the command did, the keyboard is the user's program's.
    if (program_.HoldsForeground()) program_.GiveForegroundTo(user);
}

}  // namespace dv
