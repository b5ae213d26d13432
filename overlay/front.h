// Stepping aside for what the user runs: a full-screen program in front (a
// film, a game, a slide show), or a program the user listed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace dv {

// The window in front, as far as stepping aside for it goes.
struct FrontWindow {
    Handle handle = 0;
    bool ours = false;     // one of this program's windows
    bool shell = false;    // the desktop, a taskbar or a notification area
    bool caption = false;  // it has a title bar
    PixelRect rect;        // its window rectangle
    // Its process's file name ("Photoshop.exe"); empty where the process
    // could not be opened (a protected one).
    std::string program;
};

// SHQueryUserNotificationState's answers that say a full-screen program or
// a presentation runs.
inline constexpr int kQunsBusy = 2, kQunsD3dFullScreen = 3, kQunsPresentation = 4;

// The monitor (its place in `monitors`) that a full-screen window in front
// covers: another program's window, not the shell's, with no title bar,
// whose rectangle covers its monitor's whole rectangle; or, while the system
// says a full-screen program or a presentation runs (`userState`), the
// monitor under another program's window in front. Nothing otherwise.
std::optional<std::size_t> FullScreenMonitor(const FrontWindow& front,
                                             const std::vector<Monitor>& monitors, int userState);

// The programs the user listed, as stored in "PauseFor": file names
// separated by "|". An entry that is empty, longer than 260 characters or
// holds a path separator is skipped; at most 64 are taken.
inline constexpr std::size_t kMaxListed = 64, kMaxNameLength = 260;
std::vector<std::string> ParseProgramList(std::string_view stored);
std::string ProgramListText(const std::vector<std::string>& list);
// Whether `program` could stand in the list at all.
bool ListableName(std::string_view program);

// The list as the program keeps it: read once, compared as the file system
// compares names, and written whole at each change. A stored list that could
// not be read is never written over.
class ProgramList {
   public:
    explicit ProgramList(Platform& host) : host_(host) {}
    void Read();
    const std::vector<std::string>& Names() const { return names_; }
    bool Has(const std::string& program);
    // Adds or takes off; false (nothing changed) when the store refused, the
    // list is full, or the name could not stand in it.
    bool Set(const std::string& program, bool listed);

   private:
    Platform& host_;
    std::vector<std::string> names_;
    bool read_ = true;
};

}  // namespace dv
