// The thin interface between the program and the system it runs on: the
// window and shell calls the program makes, the runtime services it relies
// on, and the hosting of its windows. The program sees nothing else.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/types.h"

namespace dv {

class Form;

// Constants of the calls below, with the values the system gives them.
constexpr Handle kHwndTopmost = -1;
constexpr std::uint32_t kSwpNoMoveNoSize = 3;
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
constexpr unsigned kWmRButtonUp = 0x205;
constexpr unsigned kWmMButtonDblClk = 0x209;  // the last of the mouse messages

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

// What a settings read found.
struct StoredText {
    enum class Kind { Absent, Text, Unreadable };
    Kind kind = Kind::Absent;
    std::string text;
};

// The native side of one loaded window.
class WindowPeer {
   public:
    virtual ~WindowPeer() = default;
    virtual Handle Hwnd() const = 0;
    virtual Handle IconHandle() const = 0;
    // Makes the window visible; the first time at its start-up position.
    virtual void Show(Form* owner) = 0;
    virtual void Hide() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual void Focus() = 0;
    virtual void Invalidate(const TwipsRect* area) = 0;  // nullptr: all of it
    virtual void ArmTimer(int id, unsigned intervalMs) = 0;
    virtual void DisarmTimer(int id) = 0;
    // Extent of `text` in `font`, in twips.
    virtual TwipsSize MeasureText(const Font& font, std::string_view text) = 0;
};

class Platform {
   public:
    virtual ~Platform() = default;

    // Window and shell calls. Their results are not examined by the program.
    virtual void SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    virtual std::int32_t GetWindowLongA(Handle hWnd, int index) = 0;
    virtual void SetWindowLongA(Handle hWnd, int index, std::int32_t value) = 0;
    virtual void SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                            std::uint32_t flags) = 0;
    virtual std::int16_t GetAsyncKeyState(int vk) = 0;
    virtual void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record) = 0;

    // Runtime services.
    virtual StoredText GetSetting(std::string_view app, std::string_view section,
                                  std::string_view key) = 0;
    // False when the store refused the write.
    virtual bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view text) = 0;
    // True when another copy was running when this one started.
    virtual bool PrevInstance() = 0;
    // Ends the process at once; no unload procedure runs.
    [[noreturn]] virtual void End() = 0;
    // Dispatches every queued message and due timer tick, then returns.
    virtual void DoEvents() = 0;
    // Starts the program named at the start of `commandLine`; false on failure.
    virtual bool Shell(std::string_view commandLine, int windowStyle) = 0;
    // The modal Color dialog; a confirmed colour, or nothing on cancel.
    virtual std::optional<Colour> PickColour(Form& owner) = 0;

    // Hosting.
    virtual std::unique_ptr<WindowPeer> CreatePeer(Form& form) = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // Runs a nested message loop while `form` stays shown, with `owner`
    // disabled; timers and other windows' events go on inside it.
    virtual void RunModal(Form& form, Form* owner) = 0;
    // Called when no window is loaded any more: the program is over.
    virtual void Quit() = 0;

    // How many windows are loaded; kept by the windows themselves.
    int loadedForms = 0;
};

}  // namespace dv
