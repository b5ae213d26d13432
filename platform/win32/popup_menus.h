// The notification icon's popup menu.
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

class PopupMenus {
   public:
    explicit PopupMenus(HINSTANCE instance) : instance_(instance) {}
    int PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo);

   private:
    HINSTANCE instance_;
};

}  // namespace dv::win32
