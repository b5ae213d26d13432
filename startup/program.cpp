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
    const Request* r = parsed.request ? &*parsed.request : nullptr;
    // Every copy but one that runs night mode lets another start meanwhile.
    if (!r || r->help || host.PrevInstance() || r->NeedsOneRunning()) host.LeaveSingleCopy();
    if (!r) {
        host.Say(parsed.error + "\n", true);
        return kBadCommandLine;
    }
    if (r->help) {
        // Asked for by a person when no console is there to show it.
        if (!host.Say(kUsage, false)) host.ShowMessage(kUsage);
        return kDone;
    }
    if (host.PrevInstance()) {
        // "/off" is done once that copy has gone, so that one started next runs.
        const auto handed = host.HandOver(kRequestMark, EncodeRequest(args), r->off);
        if (handed == RuntimeServices::Handed::Done) return kDone;
        host.Say(handed == RuntimeServices::Handed::Refused
                     ? "The running copy of Duskveil did not take the command.\n"
                     : "The running copy of Duskveil did not answer.\n",
                 true);
        return kNoAnswer;
    }
    if (r->NeedsOneRunning()) {
        host.Say("Duskveil is not running: nothing was changed.\n", true);
        return kNothingRuns;
    }
    // What is stored is stored now; night mode then starts from it, as any
    // start does (unpaused, its settings window closed).
    if (r->Stores()) {
        Request stored = *r;
        stored.pause = Request::Pause::None;
        night.Read();
        Apply(stored);
    }
    Start();
    return std::nullopt;
}

// Whatever another process sends is read again here, strictly: anything but
// a well-formed command of this format and version is ignored, and so is
// any while night mode is still starting.
bool Program::Carry(std::uint32_t mark, std::string_view bytes) {
    if (!night.Started()) return false;
    const auto args = DecodeRequest(mark, bytes);
    if (!args || args->empty()) return false;
    const Parsed parsed = ParseCommandLine(*args);
    if (!parsed.request || parsed.request->help) return false;
    const Request& r = *parsed.request;
    Apply(r);
    if (frmSet.IsLoaded()) {
        frmSet.ShowTint();
        frmSet.ShowStrength();
    }
    // The other copy goes on before the program ends.
    if (r.off) {
        host.AnswerRequest(true);
        night.TurnOff();
    }
    // Opened from the program's own loop, as F7 opens it.
    if (r.settings) frmNight.AskForSettings(host.GetForegroundWindow());
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
