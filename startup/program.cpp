#include "startup/program.h"

#include "settings/store.h"
#include "settings/slider.h"
#include "startup/command_line.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform),
      frmSplash(platform, *this, frmNight),
      frmNight(platform, *this, night, frmSet, frmSplash),
      frmSet(platform, *this, night, frmSplash),
      night(platform, frmNight) {
    host.HandRequestsTo(this);
}

void Program::Start() {
    startedFrom_ = host.GetForegroundWindow();
    language_ = ChooseLanguage(Store(host).ReadLanguage(), host.UserUiLanguage());
    frmSplash.Load();
    frmSplash.Show();
}

std::optional<Language> Program::PickedLanguage() {
    return LanguageOfCode(Store(host).ReadLanguage());
}

// A write the store refuses leaves the language as it was, and the menu
// shows it so.
void Program::PickLanguage(std::optional<Language> language) {
    if (!Store(host).SetLanguage(language)) return;
    const Language chosen = ChooseLanguage(Store(host).ReadLanguage(), host.UserUiLanguage());
    if (chosen == language_) return;
    language_ = chosen;
    for (Form* form : {static_cast<Form*>(&frmSplash), static_cast<Form*>(&frmSet),
                       static_cast<Form*>(&frmNight)})
        form->DispatchLanguageChanged();
}

// A copy started with a command line never runs night mode itself: a task
// or a script that ran it goes on at once. With none running, it stores
// what the command stores and starts a plain copy, which night mode then is.
std::optional<int> Program::Start(std::span<const std::string> args, std::size_t length) {
    if (args.empty()) {
        Start();
        return std::nullopt;
    }
    host.LeaveSingleCopy();
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
    // "/off" is done once that copy has gone, so that one started next runs.
    if (host.PrevInstance())
        return HandOver(EncodeRequest(args), r.off, r.off ? Then::Ended : Then::Runs);
    if (r.NeedsOneRunning()) {
        host.Say("Duskveil is not running: nothing was changed.\n", true);
        return kNothingRuns;
    }
    // What is stored is stored now; the copy started then reads it, as any
    // start does (unpaused, its settings window closed).
    std::uint32_t answer = kTaken;
    if (r.Stores()) {
        Request stored = r;
        stored.pause = Request::Pause::None;
        stored.settings = false;
        night.Read();
        answer = Apply(stored);
    }
    if (!host.StartCopy()) {
        host.Say("Duskveil could not be started.\n", true);
        return kNothingRuns;
    }
    if (answer != kTaken) host.Say(NotStoredLines(answer, Then::Starts), true);
    // The new copy takes commands once its countdown is over.
    if (r.settings) {
        const int opened =
            HandOver(EncodeRequest(std::vector<std::string>{"/settings"}), false, std::nullopt);
        if (opened != kDone) return opened;
    }
    return answer == kTaken ? kDone : kNotStored;
}

// The copy that runs may have started a moment ago (by a command before this
// one, say): it takes commands once its countdown is over.
int Program::HandOver(const std::string& request, bool untilEnded, std::optional<Then> then) {
    const auto handed = host.HandOver(kRequestMark, request, untilEnded, kWaitForCopy);
    using Kind = RuntimeServices::Handed::Kind;
    switch (handed.kind) {
        case Kind::Taken:
            if (!then || handed.answer == kTaken) return kDone;
            host.Say(NotStoredLines(handed.answer, *then), true);
            return kNotStored;
        case Kind::Refused:
            host.Say("The running copy of Duskveil did not take the command.\n", true);
            return kNoAnswer;
        case Kind::OtherRights:
            host.Say(
                "The running copy of Duskveil runs with other rights (as administrator, "
                "say): Windows keeps commands from reaching it.\n",
                true);
            return kNoAnswer;
        case Kind::NoAnswer:
            break;
    }
    host.Say("The running copy of Duskveil did not answer.\n", true);
    return kNoAnswer;
}

// What the store refused of the values a command changed.
std::uint32_t Program::NotStoredOf(const NotStored& refused, const Request& r) {
    std::uint32_t bits = 0;
    if (refused.strength && (r.brightness || r.step != 0)) bits |= kStrengthNotStored;
    if (refused.tint && r.tint) bits |= kTintNotStored;
    return bits;
}

// Whatever another process sends is read again here, strictly: anything but
// a well-formed command of this format and version is ignored, and so is
// any while night mode is still starting.
std::uint32_t Program::CarryRequest(std::uint32_t mark, std::string_view bytes) {
    if (!night.Started()) return kRefused;
    const auto args = DecodeRequest(mark, bytes);
    if (!args || args->empty()) return kRefused;
    const Parsed parsed = ParseCommandLine(*args);
    if (!parsed.request || parsed.request->help) return kRefused;
    const Request& r = *parsed.request;
    std::uint32_t answer = Apply(r);
    if (frmSet.IsLoaded()) {
        frmSet.ShowTint();
        frmSet.ShowStrength();
    }
    // The other copy goes on before the program ends, told what the end
    // could not write.
    if (r.off) {
        answer = (answer & ~(kStrengthNotStored | kTintNotStored)) | NotStoredOf(night.Save(), r);
        host.AnswerRequest(answer);
        night.TurnOff();
    }
    // Opened from the program's own loop, as F7 opens it.
    if (r.settings) frmNight.AskForSettings(host.GetForegroundWindow());
    return answer;
}

std::uint32_t Program::Apply(const Request& r) {
    std::uint32_t answer = kTaken;
    for (const std::string& monitor : night.EveryMonitor()) {
        if (r.brightness) night.SetStrength(AlphaForBrightness(*r.brightness), monitor);
        if (r.step != 0) night.Step(r.step * kHotKeyStep, monitor);
        if (r.tint) night.SetTint(*r.tint, monitor);
    }
    if (r.brightness || r.step != 0 || r.tint) answer |= NotStoredOf(night.Save(), r);
    // A copy that only stores a command's values for the one it starts shows
    // nothing.
    if ((r.brightness || r.step != 0) && !r.off && night.Started())
        frmNight.ShowLevel(night.MainMonitor());
    if (r.schedule && !night.PickSchedule(*r.schedule)) answer |= kScheduleNotStored;
    if (r.backlight && !night.SetBacklight(*r.backlight)) answer |= kBacklightNotStored;
    if (r.pause == Request::Pause::Pause ||
        (r.pause == Request::Pause::Toggle && !night.Paused() && night.Tinted())) {
        if (r.pauseEnd == Request::PauseEnd::Morning)
            night.PauseUntilMorning();
        else if (r.pauseEnd == Request::PauseEnd::Resumed)
            night.PauseUntilResumed();
        else
            night.Pause(r.pauseMinutes);
    } else if (r.pause == Request::Pause::Resume || r.pause == Request::Pause::Toggle)
        night.Resume();
    night.Apply();
    return answer;
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
