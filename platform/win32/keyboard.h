// The keyboard: keys pressed, and the combinations held for the program.
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

class Keyboard {
   public:
    std::int16_t GetAsyncKeyState(int vk);
    bool RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk);
    void UnregisterHotKey(Handle hWnd, int id);
};

}  // namespace dv::win32
