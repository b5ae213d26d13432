// The contact link of the splash and settings windows.
#pragma once

#include "platform/platform.h"

namespace dv {

// Lets pending events run, then starts the browser on the project's page. A
// browser that cannot be started is passed over.
void OpenHomePage(Platform& host);

}  // namespace dv
