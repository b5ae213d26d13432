#include "startup/program.h"

#include "settings/store.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform), frmSplash(*this), frmNight(*this), frmSet(*this), screens(platform) {}

void Program::Start() {
    frmSplash.Load();
    frmSplash.Show();
}

void Program::TurnOff(Colour colour) {
    SaveSettings(host, mdl.bytLig, colour);
    // No unload runs after this, so the icon goes here rather than stay
    // behind in the notification area.
    mdl.TrayDelete(host);
    host.End();
}

}  // namespace dv
