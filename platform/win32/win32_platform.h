// The real backend: user32, gdi32, shell32, comdlg32 and the registry.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

namespace dv::win32 {

// A call of a DLL the process has loaded, looked up where older systems lack
// it; null where this one does.
template <typename Fn>
Fn Find(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

class Win32Platform final : public Platform {
   public:
    explicit Win32Platform(HINSTANCE instance);

    // False when the system refused the window class: nothing can be shown,
    // and the program should not start.
    bool CanHostWindows() const { return static_cast<bool>(windowClass_); }

    // The main message loop; returns the exit code.
    int Run();
    // The command line's arguments after the program's name, and its whole
    // length in characters.
    static std::vector<std::string> Arguments(std::size_t& length);

    void SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override;
    std::int32_t GetWindowLongA(Handle hWnd, int index) override;
    void SetWindowLongA(Handle hWnd, int index, std::int32_t value) override;
    void SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                    std::uint32_t flags) override;
    std::int16_t GetAsyncKeyState(int vk) override;
    void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record) override;
    StoredText GetSetting(std::string_view app, std::string_view section,
                          std::string_view key) override;
    bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view text) override;
    bool PrevInstance() override { return prevInstance_; }
    Handed HandOver(std::uint32_t mark, std::string_view bytes, bool untilEnded,
                    unsigned waitMs) override;
    void LeaveSingleCopy() override { instanceMutex_.Reset(); }
    bool StartCopy() override;
    bool Say(std::string_view text, bool error) override;
    void ShowMessage(std::string_view text) override;
    void AnswerRequest(std::uint32_t answer) override;
    [[noreturn]] void End() override;
    void DoEvents() override;
    bool Shell(std::string_view commandLine, int windowStyle) override;
    std::optional<Colour> PickColour(Form& owner) override;
    int PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) override;
    OsVersion WindowsVersion() override;
    unsigned UserUiLanguage() override { return GetUserDefaultUILanguage(); }
    std::string ExePath() override;
    std::optional<std::string> GetRunEntry() override;
    bool SetRunEntry(std::string_view commandLine) override;
    bool DeleteRunEntry() override;
    bool SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) override;
    std::optional<std::uint32_t> GetWindowDisplayAffinity(Handle hWnd) override;
    Handle GetForegroundWindow() override;
    void SetForegroundWindow(Handle hWnd) override;
    bool IsWindow(Handle hWnd) override;
    bool IsNotificationArea(Handle hWnd) override;
    SystemColours GetSystemColours() override;
    WallClock Now() override;
    std::uint64_t TickCount() override { return GetTickCount64(); }
    std::string TimeZoneKey() override;
    bool RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) override;
    void UnregisterHotKey(Handle hWnd, int id) override;
    StoredBytes GetStartupApproved() override;
    bool DeleteStartupApproved() override;
    std::vector<Monitor> Monitors() override;
    PixelPoint GetCursorPos() override;
    PixelRect GetWindowRect(Handle hWnd) override;
    bool HasTitleBar(Handle hWnd) override;
    bool IsMaximizedWithFrame(Handle hWnd) override;
    Handle FindChild(Handle hWnd, std::string_view className) override;
    bool IsShellWindow(Handle hWnd) override;
    std::string ProgramOf(Handle hWnd) override;
    int UserNotificationState() override;
    bool SameFileName(std::string_view a, std::string_view b) override;
    void WatchFront(Form& form, bool on) override;
    std::unique_ptr<WindowPeer> CreatePeer(Form& form) override;
    float TwipsPerPixelX() const override { return tppX_; }
    float TwipsPerPixelY() const override { return tppY_; }
    void RunModal(Form& form, Form* owner) override;

    HINSTANCE Instance() const { return instance_; }
    const WindowClass& Class() const { return windowClass_; }
    int Dpi() const { return dpi_; }

   private:
    void Quit() override { PostQuitMessage(0); }
    // Dispatches one fetched message.
    static void Dispatch(const MSG& msg);

    // The system's events of the window in front: which it is (for all of
    // the desktop), and where it stands (for its process alone).
    static void CALLBACK FrontEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child,
                                    DWORD, DWORD);
    void HookFrontProcess();

    HINSTANCE instance_;
    Form* frontWatcher_ = nullptr;
    WinEventHook foregroundHook_;
    WinEventHook locationHook_;
    WindowClass windowClass_;
    KernelHandle instanceMutex_;
    bool prevInstance_ = false;
    int dpi_ = 96;
    float tppX_ = 15, tppY_ = 15;
};

}  // namespace dv::win32
