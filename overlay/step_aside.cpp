#include "overlay/step_aside.h"

#include "overlay/monitors.h"

namespace dv {

void StepAside::Watch(Form& watcher, bool running, bool pauseFullScreen) {
    const bool wanted = running && (pauseFullScreen || !programs_.Empty());
    if (wanted == watching_) return;
    watching_ = wanted;
    host_.WatchFront(watcher, wanted);
    if (!wanted) {
        all_ = false;
        monitor_.clear();
    }
}

bool StepAside::FrontChanged(const FrontWindow& front, const std::vector<Monitor>& monitors,
                             bool pauseFullScreen) {
    const bool all = !front.ours && programs_.Has(front.program);
    std::string monitor;
    if (pauseFullScreen) {
        if (const auto covered = FullScreenMonitor(front, monitors, host_.UserNotificationState()))
            monitor = MonitorIdentity(monitors[*covered]);
    }
    if (all == all_ && monitor == monitor_) return false;
    all_ = all;
    monitor_ = monitor;
    return true;
}

}  // namespace dv
