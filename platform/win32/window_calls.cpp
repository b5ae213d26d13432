// The window and shell calls the program makes itself: z-order, styles,
// the layers' alpha and the notification icon.
#include "platform/win32/window_calls.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/bench_marks.h"
#include "platform/win32/text.h"

namespace dv::win32 {

void WindowCalls::SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                                 std::uint32_t flags) {
    ::SetWindowPos(H(hWnd), H(insertAfter), x, y, cx, cy, flags);
}

std::int32_t WindowCalls::GetWindowLongA(Handle hWnd, int index) {
    return static_cast<std::int32_t>(::GetWindowLongA(H(hWnd), index));
}

void WindowCalls::SetWindowLongA(Handle hWnd, int index, std::int32_t value) {
    ::SetWindowLongA(H(hWnd), index, value);
}

void WindowCalls::SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                               std::uint32_t flags) {
    ::SetLayeredWindowAttributes(H(hWnd), key, alpha, flags);
    BenchMark("alpha");
}

void WindowCalls::Shell_NotifyIconA(std::uint32_t message, const TrayRecord& r) {
    NOTIFYICONDATAA nid;
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88 bytes on 32-bit Windows
    nid.hWnd = H(r.hWnd);
    nid.uID = r.uID;
    nid.uFlags = r.uFlags;
    nid.uCallbackMessage = r.uCallbackMessage;
    nid.hIcon = reinterpret_cast<HICON>(r.hIcon);
    const std::string tip = Ansi(r.szTip, sizeof nid.szTip - 1);
    std::memcpy(nid.szTip, tip.data(), tip.size());
    ::Shell_NotifyIconA(message, &nid);
}

}  // namespace dv::win32
