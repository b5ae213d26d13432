// The program: night mode and its three windows. Each window exists at most
// once and is reached by its name.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "forms/user_context.h"
#include "forms/frm_night.h"
#include "forms/frm_set.h"
#include "forms/frm_splash.h"
#include "overlay/night_mode.h"

namespace dv {

struct Request;
enum class Then;

class Program final : public UserContext, public RequestHandler {
   public:
    explicit Program(Platform& platform);
    ~Program() { host.HandRequestsTo(nullptr); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the start-up window and shows it; the message loop does the rest.
    void Start();
    // A start with a command line (the arguments after the program's name,
    // and the whole line's length): the command goes to the copy already
    // running, or what it stores is stored before night mode starts. The
    // exit code when the program ends here; nothing when the message loop
    // is to run.
    std::optional<int> Start(std::span<const std::string> args, std::size_t length);

    Language language() const override { return language_; }
    Font FontFor(const Font& design) override { return FontIn(language_, design, host); }
    std::optional<Language> PickedLanguage() override;
    void PickLanguage(std::optional<Language> language) override;
    Handle StartedFrom() const override { return startedFrom_; }
    bool HoldsForeground() override;
    void GiveForegroundTo(Handle user) override;
    bool IsOurs(Handle h) const override;
    // A request another copy handed over (its format's mark and bytes),
    // carried out when it is a well-formed one of this format.
    std::uint32_t CarryRequest(std::uint32_t mark, std::string_view bytes) override;

    Platform& host;
    FrmSplash frmSplash;
    FrmNight frmNight;
    FrmSet frmSet;
    NightMode night;

   private:
    // Makes the changes a command asks for, each as the program's own windows
    // make it: a level on every monitor, the schedule, the pause. The answer
    // for the copy that asked (Answer).
    std::uint32_t Apply(const Request& r);
    static std::uint32_t NotStoredOf(const NotStored& refused, const Request& r);
    // Hands a request to the copy that runs; the exit code, with a line
    // for a script when it was not taken (with `then`, one for each value
    // the store refused too).
    int HandOver(const std::string& request, bool untilEnded, std::optional<Then> then);

    // How long a command waits for the copy that runs to take it: one
    // started a moment ago counts down first.
    static constexpr unsigned kWaitForCopy = 10000;

    // The language of every text the user reads, chosen at the start and
    // from the menu.
    Language language_ = Language::Chinese;
    Handle startedFrom_ = 0;
};

}  // namespace dv
