// The physical monitors behind a display, and their brightness, through the
// system's monitor configuration calls (dxva2.dll, loaded from the system
// folder when first needed). Made on the monitor thread alone.
#pragma once

#include <memory>
#include <vector>

#include "platform/monitor_worker.h"

namespace dv::win32 {

// Those of the display the system calls `m.device`; none where the system
// has no such calls or the display has no monitor that it reaches.
std::vector<std::unique_ptr<MonitorPanel>> OpenMonitorPanels(const Monitor& m);

}  // namespace dv::win32
