// The real backend: the platform's interface, carried out by small classes
// of the system's calls, one to a file, that it is composed of.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/colour_dialog.h"
#include "platform/win32/console.h"
#include "platform/win32/desktop.h"
#include "platform/win32/front_windows.h"
#include "platform/win32/hot_key_dialog.h"
#include "platform/win32/handles.h"
#include "platform/win32/keyboard.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/monitor_worker.h"
#include "platform/win32/other_copies.h"
#include "platform/win32/popup_menus.h"
#include "platform/win32/program_starter.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/system_facts.h"
#include "platform/win32/system_library.h"
#include "platform/win32/window_calls.h"
#include "platform/win32/window_class.h"

namespace dv::win32 {

class Win32Platform final : public Platform {
   public:
    explicit Win32Platform(HINSTANCE instance);

    // False when the system refused the window class: nothing can be shown,
    // and the program should not start.
    bool CanHostWindows() const { return static_cast<bool>(windowClass_); }

    // The main message loop; returns the exit code.
    int Run() { return loop_.Run(); }
    // The command line's arguments after the program's name, and its whole
    // length in characters.
    static std::vector<std::string> Arguments(std::size_t& length) {
        return OtherCopies::Arguments(length);
    }

    HINSTANCE Instance() const { return instance_; }
    const WindowClass& Class() const { return windowClass_; }
    int Dpi() const { return dpi_; }

    // --- SystemCalls ---
    void SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override {
        windows_.SetWindowPos(hWnd, insertAfter, x, y, cx, cy, flags);
    }
    std::int32_t GetWindowLongA(Handle hWnd, int index) override {
        return windows_.GetWindowLongA(hWnd, index);
    }
    void SetWindowLongA(Handle hWnd, int index, std::int32_t value) override {
        windows_.SetWindowLongA(hWnd, index, value);
    }
    void SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                    std::uint32_t flags) override {
        windows_.SetLayeredWindowAttributes(hWnd, key, alpha, flags);
    }
    void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record) override {
        windows_.Shell_NotifyIconA(message, record);
    }
    std::int16_t GetAsyncKeyState(int vk) override { return keyboard_.GetAsyncKeyState(vk); }
    bool RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) override {
        return keyboard_.RegisterHotKey(hWnd, id, modifiers, vk);
    }
    void UnregisterHotKey(Handle hWnd, int id) override { keyboard_.UnregisterHotKey(hWnd, id); }
    bool SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) override {
        return desktop_.SetWindowDisplayAffinity(hWnd, affinity);
    }
    std::optional<std::uint32_t> GetWindowDisplayAffinity(Handle hWnd) override {
        return desktop_.GetWindowDisplayAffinity(hWnd);
    }
    Handle GetForegroundWindow() override { return desktop_.GetForegroundWindow(); }
    void SetForegroundWindow(Handle hWnd) override { desktop_.SetForegroundWindow(hWnd); }
    bool IsWindow(Handle hWnd) override { return desktop_.IsWindow(hWnd); }
    bool IsNotificationArea(Handle hWnd) override { return desktop_.IsNotificationArea(hWnd); }
    SystemColours GetSystemColours() override { return desktop_.GetSystemColours(); }
    PixelPoint GetCursorPos() override { return desktop_.GetCursorPos(); }
    PixelRect GetWindowRect(Handle hWnd) override { return front_.GetWindowRect(hWnd); }
    bool HasTitleBar(Handle hWnd) override { return front_.HasTitleBar(hWnd); }
    bool IsMaximizedWithFrame(Handle hWnd) override { return front_.IsMaximizedWithFrame(hWnd); }
    Handle FindChild(Handle hWnd, std::string_view className) override {
        return front_.FindChild(hWnd, className);
    }
    bool IsShellWindow(Handle hWnd) override { return front_.IsShellWindow(hWnd); }
    std::string ProgramOf(Handle hWnd) override { return front_.ProgramOf(hWnd); }
    int UserNotificationState() override { return front_.UserNotificationState(); }
    bool SameFileName(std::string_view a, std::string_view b) override {
        return front_.SameFileName(a, b);
    }
    WallClock Now() override { return facts_.Now(); }
    std::uint64_t TickCount() override { return facts_.TickCount(); }
    std::string TimeZoneKey() override { return facts_.TimeZoneKey(); }

    // --- RuntimeServices ---
    StoredText GetSetting(std::string_view app, std::string_view section,
                          std::string_view key) override {
        return registry_.GetSetting(app, section, key);
    }
    bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view text) override {
        return registry_.SaveSetting(app, section, key, text);
    }
    bool DeleteSetting(std::string_view app, std::string_view section,
                       std::string_view key) override {
        return registry_.DeleteSetting(app, section, key);
    }
    std::unique_ptr<MonitorWorker> StartMonitorWorker(std::unique_ptr<MonitorWork> work) override {
        return win32::StartMonitorWorker(instance_, std::move(work));
    }
    bool PrevInstance() override { return copies_.PrevInstance(); }
    Handed HandOver(std::uint32_t mark, std::string_view bytes, bool untilEnded,
                    unsigned waitMs) override {
        return copies_.HandOver(mark, bytes, untilEnded, waitMs);
    }
    void LeaveSingleCopy() override { copies_.LeaveSingleCopy(); }
    bool StartCopy() override { return copies_.StartCopy(facts_.ExePath()); }
    bool Say(std::string_view text, bool error) override { return console_.Say(text, error); }
    void ShowMessage(std::string_view text) override { console_.ShowMessage(text); }
    [[noreturn]] void End() override { loop_.End(); }
    void DoEvents() override { loop_.DoEvents(); }
    bool Shell(std::string_view commandLine, int windowStyle) override {
        return starter_.Shell(commandLine, windowStyle);
    }
    std::optional<Colour> PickColour(Form& owner) override { return colours_.PickColour(owner); }
    void ChooseHotKeys(Form& owner, const HotKeyDialogDesign& design,
                       HotKeyChooser& chooser) override {
        hotKeyDialog_.Run(owner, design, chooser);
    }
    int PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) override {
        return menus_.PopupMenu(owner, items, giveBackTo);
    }
    OsVersion WindowsVersion() override { return facts_.WindowsVersion(); }
    unsigned UserUiLanguage() override { return facts_.UserUiLanguage(); }
    bool HasFontFace(const char* face) override { return facts_.HasFontFace(face); }
    std::string ExePath() override { return facts_.ExePath(); }
    std::optional<std::string> GetRunEntry() override { return registry_.GetRunEntry(); }
    bool SetRunEntry(std::string_view commandLine) override {
        return registry_.SetRunEntry(commandLine);
    }
    bool DeleteRunEntry() override { return registry_.DeleteRunEntry(); }
    StoredBytes GetStartupApproved() override { return registry_.GetStartupApproved(); }
    bool DeleteStartupApproved() override { return registry_.DeleteStartupApproved(); }

    // --- Hosting ---
    std::unique_ptr<WindowPeer> CreatePeer(Form& form) override;
    float TwipsPerPixelX() const override { return tppX_; }
    float TwipsPerPixelY() const override { return tppY_; }
    void RunModal(Form& form, Form* owner) override { loop_.RunModal(form, owner); }
    std::vector<Monitor> Monitors() override { return desktop_.Monitors(); }
    void WatchFront(Form& form, bool on) override { front_.WatchFront(form, on); }
    void AnswerRequest(std::uint32_t answer) override { copies_.AnswerRequest(answer); }

   private:
    void Quit() override { loop_.Quit(); }

    HINSTANCE instance_;
    WindowClass windowClass_;
    int dpi_ = 96;
    float tppX_ = 15, tppY_ = 15;
    OtherCopies copies_;
    RegistryStore registry_;
    Console console_;
    WindowCalls windows_;
    Keyboard keyboard_;
    Desktop desktop_;
    FrontWindows front_;
    SystemFacts facts_;
    MessageLoop loop_;
    ProgramStarter starter_;
    ColourDialog colours_;
    HotKeyDialog hotKeyDialog_;
    PopupMenus menus_;
};

}  // namespace dv::win32
