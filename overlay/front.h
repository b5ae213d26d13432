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
    // Maximized with a sizing frame: such a window reaches past its monitor
    // by its frame, on every side where no taskbar stands.
    bool maximizedFrame = false;
    PixelRect rect;        // its window rectangle
    // Its program's full path ("C:\\Tools\\Photoshop.exe", ProgramPathOf);
    // empty where the process could not be opened (a protected one).
    std::string program;
};

// SHQueryUserNotificationState's answers that say a full-screen program or
// a presentation runs.
inline constexpr int kQunsBusy = 2, kQunsD3dFullScreen = 3, kQunsPresentation = 4;

// The monitor (its place in `monitors`) that a full-screen window in front
// covers: another program's window, not the shell's, with no title bar and
// not maximized with a sizing frame, whose rectangle covers its monitor's
// whole rectangle; or, while the system
// says a full-screen program or a presentation runs (`userState`), the
// monitor under another program's window in front. Nothing otherwise.
std::optional<std::size_t> FullScreenMonitor(const FrontWindow& front,
                                             const std::vector<Monitor>& monitors, int userState);

// The full path of the program a window belongs to. A Store app's frame
// belongs to the system's ApplicationFrameHost.exe, and stands for the app
// inside it, whose window is the frame's Windows.UI.Core.CoreWindow child:
// that window's program, or none where there is no such child. None too
// where the process cannot be opened.
std::string ProgramPathOf(Platform& host, Handle window);

}  // namespace dv
