#include "overlay/front.h"

#include "overlay/monitors.h"
#include "overlay/program_list.h"

namespace dv {

std::optional<std::size_t> FullScreenMonitor(const FrontWindow& front,
                                             const std::vector<Monitor>& monitors, int userState) {
    if (front.handle == 0 || front.ours || front.shell || monitors.empty()) return std::nullopt;
    const std::size_t under = MonitorUnder(monitors, front.rect);
    if (userState == kQunsBusy || userState == kQunsD3dFullScreen || userState == kQunsPresentation)
        return under;
    if (front.caption || front.maximizedFrame) return std::nullopt;
    const PixelRect& m = monitors[under].rect;
    const PixelRect& r = front.rect;
    if (r.left <= m.left && r.top <= m.top && r.right >= m.right && r.bottom >= m.bottom)
        return under;
    return std::nullopt;
}

std::string ProgramPathOf(Platform& host, Handle window) {
    const std::string path = host.ProgramOf(window);
    if (!host.SameFileName(FileNameOf(path), "ApplicationFrameHost.exe")) return path;
    const Handle app = host.FindChild(window, "Windows.UI.Core.CoreWindow");
    return app != 0 ? host.ProgramOf(app) : std::string();
}

}  // namespace dv
