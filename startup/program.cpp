#include "startup/program.h"

#include "resources/names.h"
#include "settings/store.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform), frmSplash(*this), frmNight(*this), frmSet(*this), screens(platform) {}

void Program::Start() {
    startedFrom = host.GetForegroundWindow();
    language = ChooseLanguage(host.GetSetting(names::kAppName, names::kSection, names::kKeyLanguage),
                              host.UserUiLanguage());
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

bool Program::IsOurs(Handle h) const {
    if (h == 0) return false;
    for (const Form* f : {static_cast<const Form*>(&frmSplash), static_cast<const Form*>(&frmNight),
                          static_cast<const Form*>(&frmSet)})
        if (f->NativeHandle() == h) return true;
    for (const auto& s : screens.All())
        if (s->NativeHandle() == h) return true;
    return false;
}

bool Program::HoldsForeground() {
    const Handle now = host.GetForegroundWindow();
    return now == 0 || IsOurs(now) || host.IsNotificationArea(now);
}

void Program::GiveForegroundTo(Handle user) {
    if (user != 0 && !IsOurs(user) && host.IsWindow(user)) host.SetForegroundWindow(user);
}

}  // namespace dv
