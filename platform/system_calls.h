// The window and shell calls the program makes, named as the system names
// them. Their results are not examined by the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace dv {

// Constants of the calls below, with the values the system gives them.
constexpr Handle kHwndTopmost = -1;
constexpr std::uint32_t kSwpNoMoveNoSize = 3;
constexpr std::uint32_t kSwpNoActivate = 0x10;
constexpr int kGwlExStyle = -20;
constexpr std::int32_t kWsExLayered = 0x80000;
constexpr std::int32_t kWsExTransparent = 0x20;
constexpr std::uint32_t kLwaAlpha = 2;
constexpr int kVkF7 = 0x76;
constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimDelete = 2;
constexpr std::uint32_t kNifMessageIconTip = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
constexpr std::uint32_t kTrayRecordSize = 88;    // NOTIFYICONDATAA, first version
constexpr unsigned kWmMouseMove = 0x200;
constexpr unsigned kWmLButtonDown = 0x201;
constexpr unsigned kWmLButtonUp = 0x202;
constexpr unsigned kWmRButtonDown = 0x204;
constexpr unsigned kWmRButtonUp = 0x205;
constexpr unsigned kWmMButtonDblClk = 0x209;  // the last of the mouse messages
constexpr unsigned kModAlt = 1;
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr unsigned kVkPrior = 0x21;  // Page Up
constexpr unsigned kVkNext = 0x22;   // Page Down
constexpr unsigned kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr std::uint32_t kWdaNone = 0;
constexpr std::uint32_t kWdaExcludeFromCapture = 0x11;

// The system's colours that the windows fall back on, as they are now.
struct SystemColours {
    bool highContrast = false;
    Colour btnFace = 0xF0F0F0;
    Colour btnText = 0x000000;
    Colour highlight = 0xD77800;
    Colour highlightText = 0xFFFFFF;
    Colour hotLight = 0xCC6600;
};

// The tray record as the program fills it; the backend turns it into the
// system's 88-byte NOTIFYICONDATAA.
struct TrayRecord {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    std::string szTip;  // 64 characters: the tip, a NUL, then blanks
};

class SystemCalls {
   public:
    virtual ~SystemCalls() = default;
    virtual void SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    virtual std::int32_t GetWindowLongA(Handle hWnd, int index) = 0;
    virtual void SetWindowLongA(Handle hWnd, int index, std::int32_t value) = 0;
    virtual void SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                            std::uint32_t flags) = 0;
    virtual std::int16_t GetAsyncKeyState(int vk) = 0;
    virtual void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record) = 0;
    // Windows 7 and later; false where the system has no such call or
    // refuses it.
    virtual bool SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) = 0;
    // What the system keeps the window at; nothing where it cannot tell.
    virtual std::optional<std::uint32_t> GetWindowDisplayAffinity(Handle hWnd) = 0;
    // The window that has the user's keyboard now (0: none), and handing it
    // to another; a window handle that may have gone since.
    virtual Handle GetForegroundWindow() = 0;
    virtual void SetForegroundWindow(Handle hWnd) = 0;
    virtual bool IsWindow(Handle hWnd) = 0;
    // True for the shell's notification area, which a click on the icon
    // may activate.
    virtual bool IsNotificationArea(Handle hWnd) = 0;
    virtual SystemColours GetSystemColours() = 0;
    // The local wall clock now.
    virtual WallClock Now() = 0;
    // Milliseconds since the system started: a clock that only runs forward,
    // whatever is done to the wall clock.
    virtual std::uint64_t TickCount() = 0;
    // The key name of the system's time zone as set now ("China Standard
    // Time"); empty when the system does not say.
    virtual std::string TimeZoneKey() = 0;
    // A key combination that reaches `hWnd` as a hot key `id` wherever the
    // keyboard is; false when another program holds it.
    virtual bool RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) = 0;
    virtual void UnregisterHotKey(Handle hWnd, int id) = 0;
    // Where the pointer is on the screen, in pixels.
    virtual PixelPoint GetCursorPos() = 0;
    // What a window is, for stepping aside for it: its rectangle on the
    // screen; whether it has a title bar (WS_CAPTION); whether it is
    // maximized with a sizing frame (IsZoomed, WS_THICKFRAME); whether it is
    // the desktop or a taskbar (the notification area answers
    // IsNotificationArea); its process's image, by its full path, empty
    // where the process cannot be opened; and its first child window of a
    // class, 0 where it has none.
    virtual PixelRect GetWindowRect(Handle hWnd) = 0;
    virtual bool HasTitleBar(Handle hWnd) = 0;
    virtual bool IsMaximizedWithFrame(Handle hWnd) = 0;
    virtual bool IsShellWindow(Handle hWnd) = 0;
    virtual std::string ProgramOf(Handle hWnd) = 0;
    virtual Handle FindChild(Handle hWnd, std::string_view className) = 0;
    // SHQueryUserNotificationState's answer; 0 where the system has no such
    // call or does not answer.
    virtual int UserNotificationState() = 0;
    // Two file names compared as the file system compares them: without
    // regard to case.
    virtual bool SameFileName(std::string_view a, std::string_view b) = 0;
};

}  // namespace dv
