// The monitor thread: a thread of its own, a critical section and a wake-up
// event shared with the windows' thread, and a message-only window through
// which the work's news reaches the windows' thread (in menus and dialogs
// too).
#pragma once

#include <windows.h>

#include <memory>

#include "platform/monitor_worker.h"

namespace dv::win32 {

std::unique_ptr<MonitorWorker> StartMonitorWorker(HINSTANCE instance,
                                                  std::unique_ptr<MonitorWork> work);

}  // namespace dv::win32
