// The services of the runtime other than windows: the per-user store, the
// single-copy test and the copy already running, ending, pending events,
// starting a program, the colour dialog, and the console the program was
// started from.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/monitor_worker.h"
#include "platform/types.h"

namespace dv {

class Form;

// What a settings read found.
struct StoredText {
    enum class Kind { Absent, Text, Unreadable };
    Kind kind = Kind::Absent;
    std::string text;
};

// A binary value of the system's, as read.
struct StoredBytes {
    enum class Kind { Absent, Binary, Other };
    Kind kind = Kind::Absent;
    std::string bytes;
};

// The system's own version, as RtlGetVersion reports it.
struct OsVersion {
    unsigned major = 0, minor = 0, build = 0;
};

// One line of a popup menu: a command (id above 0), a separator (id 0 and
// no text), or a submenu (its items in `sub`).
struct MenuItem {
    int id = 0;
    std::string text;
    bool checked = false;
    bool enabled = true;  // false: shown greyed, and cannot be chosen
    bool radio = false;   // checked with a dot: one choice of several
    std::vector<MenuItem> sub = {};
};

// The hot-key dialog: a row for each action (its name, then the system's
// hot-key control), a line for what the program has to say, and the
// buttons Defaults, OK and Cancel.
struct HotKeyDialogDesign {
    std::string caption;
    std::vector<std::string> rows;
    std::string defaults, ok, cancel;
    Font font;
    // The controls' first values (the control's own words), and the line's
    // first text.
    std::vector<std::uint16_t> words;
    std::string note;
};

// What the program does with the dialog's buttons.
class HotKeyChooser {
   public:
    // The words Defaults puts in the rows.
    virtual std::vector<std::uint16_t> DefaultWords() = 0;
    // OK with the rows' words: empty when the set was taken and the dialog
    // closes, else what the line says, the dialog staying open.
    virtual std::string Take(const std::vector<std::uint16_t>& words) = 0;

   protected:
    ~HotKeyChooser() = default;
};

// The font faces the system has.
class FontFaces {
   public:
    virtual bool HasFontFace(const char* face) = 0;

   protected:
    ~FontFaces() = default;
};

class RuntimeServices : public FontFaces {
   public:
    virtual ~RuntimeServices() = default;
    virtual StoredText GetSetting(std::string_view app, std::string_view section,
                                  std::string_view key) = 0;
    // False when the store refused the write.
    virtual bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view text) = 0;
    // True when the value is gone afterwards, or was never there.
    virtual bool DeleteSetting(std::string_view app, std::string_view section,
                               std::string_view key) = 0;
    // Starts the thread that talks to the monitors, doing `work`, which the
    // thread keeps as long as it runs.
    virtual std::unique_ptr<MonitorWorker> StartMonitorWorker(
        std::unique_ptr<MonitorWork> work) = 0;
    // True when another copy was running when this one started.
    virtual bool PrevInstance() = 0;
    // Hands a request (its format's mark and its bytes) to the copy already
    // running, waiting at most `waitMs` for its overlay to be there and to
    // carry the request out, and with `untilEnded` for that copy to end.
    struct Handed {
        enum class Kind {
            Taken,       // the copy carried it out; `answer` says how
            Refused,     // the copy answered that it did not
            NoAnswer,    // no copy, or none that answered in time
            OtherRights  // the system kept the request from a copy of other rights
        };
        Kind kind = Kind::NoAnswer;
        std::uint32_t answer = 0;  // the copy's own answer, when taken
    };
    virtual Handed HandOver(std::uint32_t mark, std::string_view bytes, bool untilEnded,
                            unsigned waitMs) = 0;
    // This copy will not run night mode: another may start meanwhile.
    virtual void LeaveSingleCopy() = 0;
    // Starts another copy of this program, with nothing on its command line,
    // at normal priority whatever this one's is; false on failure.
    virtual bool StartCopy() = 0;
    // Text for whoever started the program: to the console or the stream it
    // was started from (an error to the error stream); false when there is
    // none.
    virtual bool Say(std::string_view text, bool error) = 0;
    // A message box, for a person who asked for what it says.
    virtual void ShowMessage(std::string_view text) = 0;
    // Ends the process at once; no unload procedure runs.
    [[noreturn]] virtual void End() = 0;
    // Dispatches every queued message and due timer tick, then returns.
    virtual void DoEvents() = 0;
    // Starts the program named at the start of `commandLine`; false on failure.
    virtual bool Shell(std::string_view commandLine, int windowStyle) = 0;
    // The modal Color dialog; a confirmed colour, or nothing on cancel.
    virtual std::optional<Colour> PickColour(Form& owner) = 0;
    // The hot-key dialog, modal over `owner`, until OK is taken or the user
    // cancels; the line's text changes are told to screen readers.
    virtual void ChooseHotKeys(Form& owner, const HotKeyDialogDesign& design,
                               HotKeyChooser& chooser) = 0;
    // A popup menu at the pointer, for `owner`'s notification icon; the id of
    // the command chosen, or 0 when the menu was dismissed. The keyboard the
    // menu takes goes to `giveBackTo` as it closes, while the program still
    // holds it.
    virtual int PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) = 0;
    virtual OsVersion WindowsVersion() = 0;
    // The user's interface language, as a LANGID.
    virtual unsigned UserUiLanguage() = 0;
    // The full path of the running exe.
    virtual std::string ExePath() = 0;
    // The program's entry among what starts at log-on for this user: its
    // text, nothing when there is none. The writes are false when refused.
    virtual std::optional<std::string> GetRunEntry() = 0;
    virtual bool SetRunEntry(std::string_view commandLine) = 0;
    virtual bool DeleteRunEntry() = 0;
    // The mark the system keeps beside the entry when the user disabled it
    // in Task Manager or the system's settings (Windows 8 and later), and
    // taking it away.
    virtual StoredBytes GetStartupApproved() = 0;
    virtual bool DeleteStartupApproved() = 0;
};

}  // namespace dv
