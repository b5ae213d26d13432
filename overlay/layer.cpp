#include "overlay/layer.h"

#include "platform/form.h"

namespace dv {

void SetLayeredAlpha(Platform& host, Handle hWnd, Colour crKey, std::uint8_t bAlpha,
                     std::uint32_t dwFlags) {
    const std::int32_t style = host.GetWindowLongA(hWnd, kGwlExStyle);
    host.SetWindowLongA(hWnd, kGwlExStyle, style | kWsExLayered);
    host.SetLayeredWindowAttributes(hWnd, crKey, bAlpha, dwFlags);
}

void MakeNightLayer(Platform& host, Form& window, std::uint8_t alpha) {
    host.SetWindowPos(window.hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
    SetLayeredAlpha(host, window.hWnd(), 0, alpha, kLwaAlpha);
    const std::int32_t style = host.GetWindowLongA(window.hWnd(), kGwlExStyle);
    host.SetWindowLongA(window.hWnd(), kGwlExStyle, style | kWsExLayered | kWsExTransparent);
}

bool MayExcludeFromCapture(const OsVersion& os) {
    return os.major > 10 || (os.major == 10 && os.build >= 19041);
}

void SetCaptureExclusion(Platform& host, Handle hWnd, const OsVersion& os, bool hide) {
    if (!MayExcludeFromCapture(os)) return;
    host.SetWindowDisplayAffinity(hWnd, hide ? kWdaExcludeFromCapture : kWdaNone);
}

}  // namespace dv
