#include "startup/program.h"

#include "resources/names.h"
#include "settings/slider.h"
#include "startup/command_line.h"

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

std::optional<int> Program::Start(std::span<const std::string> args, std::size_t length) {
    if (args.empty()) {
        Start();
        return std::nullopt;
    }
    const Parsed parsed = ParseCommandLine(args, length);
    if (!parsed.request) {
        host.Say(parsed.error + "\n", true);
        return kBadCommandLine;
    }
    const Request& r = *parsed.request;
    if (r.help) {
        // Asked for by a person when no console is there to show it.
        if (!host.Say(kUsage, false)) host.ShowMessage(kUsage);
        return kDone;
    }
    if (host.PrevInstance()) {
        if (host.HandOver(kRequestMark, EncodeRequest(args)) == RuntimeServices::Handed::Done)
            return kDone;
        host.Say("The running copy of Duskveil did not answer.\n", true);
        return kNoAnswer;
    }
    if (r.off || r.pause == Request::Pause::Pause || r.pause == Request::Pause::Resume) {
        host.Say("Duskveil is not running: nothing was changed.\n", true);
        return kNothingRuns;
    }
    // What is stored is stored now; night mode then starts from it.
    if (r.Stores() || r.step != 0) {
        night.Read();
        Apply(r);
    }
    Start();
    return std::nullopt;
}

// Whatever another process sends is read again here, strictly: anything but
// a well-formed command of this format and version is ignored.
bool Program::Carry(std::uint32_t mark, std::string_view bytes) {
    const auto args = DecodeRequest(mark, bytes);
    if (!args) return false;
    const Parsed parsed = ParseCommandLine(*args);
    if (!parsed.request || parsed.request->help) return false;
    const Request& r = *parsed.request;
    Apply(r);
    if (frmSet.IsLoaded()) {
        frmSet.ShowTint();
        frmSet.ShowStrength();
    }
    // The other copy goes on before the program ends, or before the
    // settings window's own loop runs.
    if (r.off) {
        host.AnswerRequest(true);
        night.TurnOff();
    }
    if (r.settings) {
        host.AnswerRequest(true);
        frmNight.OpenSettings(host.GetForegroundWindow());
    }
    return true;
}

void Program::Apply(const Request& r) {
    for (const std::string& monitor : night.EveryMonitor()) {
        if (r.brightness) night.SetStrength(AlphaForBrightness(*r.brightness), monitor);
        if (r.step != 0) night.Step(r.step * kHotKeyStep, monitor);
        if (r.tint) night.SetTint(*r.tint, monitor);
    }
    if (r.brightness || r.step != 0 || r.tint) night.Save();
    if (r.schedule) night.PickSchedule(*r.schedule);
    if (r.pause == Request::Pause::Pause ||
        (r.pause == Request::Pause::Toggle && !night.Paused() && night.Tinted()))
        night.Pause(r.pauseMinutes);
    else if (r.pause == Request::Pause::Resume || r.pause == Request::Pause::Toggle)
        night.Resume();
    night.Apply();
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
