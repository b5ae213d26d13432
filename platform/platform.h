// The thin interface between the program and the system it runs on: the
// window and shell calls, the runtime services and the hosting of the
// windows. The program sees nothing else; one backend implements all three.
#pragma once

#include "platform/hosting.h"
#include "platform/runtime_services.h"
#include "platform/system_calls.h"

namespace dv {

class Platform : public SystemCalls, public RuntimeServices, public Hosting {};

}  // namespace dv
