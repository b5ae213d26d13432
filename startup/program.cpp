#include "startup/program.h"

#include "resources/names.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform),
      frmSplash(platform, *this, frmNight),
      frmNight(platform, *this, night, frmSet, frmSplash),
      frmSet(platform, *this, night, frmSplash),
      night(platform, frmNight) {}

void Program::Start() {
    startedFrom_ = host.GetForegroundWindow();
    language_ =
        ChooseLanguage(host.GetSetting(names::kAppName, names::kSection, names::kKeyLanguage),
                       host.UserUiLanguage());
    frmSplash.Load();
    frmSplash.Show();
}

bool Program::IsOurs(Handle h) const {
    if (h == 0) return false;
    for (const Form* f : {static_cast<const Form*>(&frmSplash), static_cast<const Form*>(&frmSet)})
        if (f->NativeHandle() == h) return true;
    return night.IsLayer(h);
}

bool Program::HoldsForeground() {
    const Handle now = host.GetForegroundWindow();
    return now == 0 || IsOurs(now) || host.IsNotificationArea(now);
}

void Program::GiveForegroundTo(Handle user) {
    if (user != 0 && !IsOurs(user) && host.IsWindow(user)) host.SetForegroundWindow(user);
}

}  // namespace dv
