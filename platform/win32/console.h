// Text for whoever started the program: the streams a script redirected,
// the console of the command prompt, or a message box.
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

class Console {
   public:
    bool Say(std::string_view text, bool error);
    void ShowMessage(std::string_view text);
};

}  // namespace dv::win32
