// The keyboard: keys pressed, and the combinations held for the program.
#include "platform/win32/keyboard.h"

namespace dv::win32 {

std::int16_t Keyboard::GetAsyncKeyState(int vk) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(vk));
}

bool Keyboard::RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) {
    return ::RegisterHotKey(reinterpret_cast<HWND>(hWnd), id, modifiers, vk) != 0;
}

void Keyboard::UnregisterHotKey(Handle hWnd, int id) {
    ::UnregisterHotKey(reinterpret_cast<HWND>(hWnd), id);
}

}  // namespace dv::win32
