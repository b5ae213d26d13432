// Starting another program from a command line, as the contact link does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace dv::win32 {

class ProgramStarter {
   public:
    bool Shell(std::string_view commandLine, int windowStyle);
};

}  // namespace dv::win32
