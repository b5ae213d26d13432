// The tray icon's menu: the settings window, the options, starting at
// log-on, and turning night mode off.
#include "overlay/frm_night.h"
#include "overlay/layer.h"
#include "resources/names.h"
#include "resources/texts.h"
#include "startup/program.h"

namespace dv {
namespace {

enum MenuCommand { kNone, kSettings, kAllScreens, kHideInCaptures, kStartAtLogOn, kTurnOff };

}  // namespace

void FrmNight::TrayMenu() {
    Platform& host = Host();
    Options& options = program_.options;
    // Never over an open settings window (F7 holds it modally).
    if (program_.frmSet.IsShown()) return;
    const std::string exe = host.ExePath();
    const bool atLogOn = RunEntryNames(host.GetRunEntry(), exe);
    const std::vector<MenuItem> items{
        {kSettings, text::kMenuSettings, false},
        {},
        {kAllScreens, text::kMenuAllScreens, options.allScreens},
        {kHideInCaptures, text::kMenuHideInCaptures, options.hideInCaptures},
        {kStartAtLogOn, text::kMenuStartAtLogOn, atLogOn},
        {},
        {kTurnOff, text::kMenuTurnOff, false},
    };
    // Keep-on-top waits while the menu is open, or the layers would cover it.
    Timer2.SetEnabled(false);
    const int chosen = host.PopupMenu(*this, items);
    Timer2.SetEnabled(true);
    // A toggle takes effect only once it is written: a write the store
    // refuses leaves the old state, and the menu shows it next time.
    switch (chosen) {
        case kSettings:
            OpenSettingsFromTray();
            break;
        case kAllScreens:
            if (!SaveOption(host, names::kKeyAllScreens, !options.allScreens)) break;
            options.allScreens = !options.allScreens;
            LayOutScreens();
            break;
        case kHideInCaptures:
            if (!SaveOption(host, names::kKeyHideInCaptures, !options.hideInCaptures)) break;
            options.hideInCaptures = !options.hideInCaptures;
            SetCaptureExclusion(host, hWnd(), program_.os, options.hideInCaptures);
            program_.screens.SetCaptureExclusion(program_.os, options.hideInCaptures);
            break;
        case kStartAtLogOn:
            if (atLogOn)
                host.DeleteRunEntry();
            else
                host.SetRunEntry(RunCommandFor(exe));
            break;
        case kTurnOff:
            program_.TurnOff(BackColor());
            break;
        default:
            break;
    }
}

}  // namespace dv
