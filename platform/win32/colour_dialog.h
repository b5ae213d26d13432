// The Color dialog, its library loaded the first time it is needed.
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

class ColourDialog {
   public:
    std::optional<Colour> PickColour(Form& owner);
};

}  // namespace dv::win32
