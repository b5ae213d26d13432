#include "platform/win32/live_region.h"

#include <oleacc.h>

#include "platform/win32/com_calls.h"

namespace dv::win32 {

namespace {

// Written out, as the import libraries' GUIDs may resolve to thunks.
constexpr GUID kClsidAccPropServices{
    0xB5F8350B, 0x0548, 0x48B1, {0xA6, 0xEE, 0x88, 0xBD, 0x00, 0xB4, 0xA5, 0xE7}};
constexpr GUID kIidAccPropServices{
    0x6E26E776, 0x04F0, 0x495D, {0x80, 0xE4, 0x33, 0x30, 0x35, 0x2E, 0x31, 0x69}};
constexpr GUID kLiveSettingProperty{
    0xC12BCD8E, 0x2A8E, 0x4950, {0x8A, 0xE7, 0x36, 0x25, 0x11, 0x1D, 0x58, 0xEB}};
constexpr LONG kPolite = 1;
constexpr DWORD kEventLiveRegionChanged = 0x8019;

// The window's LiveSetting, kept by the system's annotation service for as
// long as the window lives.
void MarkLive(HWND hwnd) {
    ComCalls& com = Com();
    if (!com.ok || !com.coCreateInstance) return;
    IAccPropServices* services = nullptr;
    if (FAILED(com.coCreateInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    kIidAccPropServices, reinterpret_cast<void**>(&services))) ||
        !services)
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services->SetHwndProp(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, polite);
    services->Release();
}

}  // namespace

void TellLiveRegionChanged(HWND hwnd, bool& marked) {
    if (!marked) MarkLive(hwnd);
    marked = true;
    NotifyWinEvent(kEventLiveRegionChanged, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace dv::win32
