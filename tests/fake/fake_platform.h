// A backend for the tests: records every platform call, keeps the settings in
// memory, runs timers on a virtual clock and lets a test inject mouse, key and
// tray events. The program runs on a thread of its own, one step at a time in
// lock-step with the test, so that modal windows really nest.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fake/fake_windows.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace dv::fake {

std::string StoreKey(std::string_view section, std::string_view key);

class FakePlatform final : public Platform {
   public:
    FakePlatform();
    ~FakePlatform() override;
    // Stops the program's thread; call before the program object goes.
    void Stop();

    // --- driving the program (test thread) ---
    // Starts the program on its thread and returns when it waits for input.
    void Launch(std::function<void()> start);
    // Runs `step` on the program's thread, then lets it run until it waits.
    void Run(std::function<void()> step);
    void Advance(int ms);
    void MouseMove(Form& f, float xTw, float yTw, int buttons = 0);
    void MouseDown(Form& f, float xTw, float yTw, int button);
    void ClickControl(Form& f, const Label& label);  // pressed and released at its centre
    void ClickButton(Form& f, const CommandButton& b);
    void TrayNotify(Form& overlay, unsigned message);
    void F7Down();
    void F7Up();
    void AnswerColour(std::optional<Colour> c);
    // Answers the open popup menu with a command (0: dismissed).
    void AnswerMenu(int id);
    // A window of another program, which then has the keyboard.
    Handle UserWindow();
    // Another program's window comes in front, or the one in front changes:
    // the watching window hears of it, as the system's events tell it.
    void BringToFront(Handle h);
    void ChangeOutside(Handle h, std::function<void(struct OutsideWindow&)> change);
    // The system's colours change, and the windows are told.
    void ChangeColours(const SystemColours& changed);
    void SystemClose(Form& f);
    // The native window is destroyed behind the program's back.
    void NativeDestroy(Form& f);
    // Monitors change to `now`; the overlay is told, as the system tells it.
    // `names` as for `monitorNames`.
    void ChangeMonitors(Form& overlay, std::vector<PixelRect> screens,
                        std::vector<std::pair<std::string, std::string>> names = {});
    // The user moves the window `f` to stand on `where`.
    void MoveWindow(Form& f, const PixelRect& where);
    // A key pressed while `f` has the keyboard (shift: 1 Shift, 2 Ctrl, 4 Alt).
    void KeyDown(Form& f, int vk, int shift = 0);
    // A hot key combination is pressed: it reaches the window that
    // registered it, if one did.
    void PressHotKey(unsigned modifiers, unsigned vk);
    // The wall clock is set to another time or zone, and the windows are
    // told as the system tells them (`tell` false: a change nobody reports).
    void SetClock(std::int64_t utc, int offsetMinutes, bool tell = true);
    // The shell restarts: its notification area comes back empty.
    void ShellRestart(Form& f);
    // Another copy hands the overlay a request, as the system delivers it:
    // the answer the program gave, at once or when its handler returned.
    std::uint32_t SendRequest(Form& overlay, std::uint32_t mark, std::string bytes);
    bool Ended() const { return ended_; }
    bool QuitRequested() const { return quit_; }

    // --- what the program did ---
    std::vector<Call> calls;
    std::vector<Call> CallsNamed(const std::string& name) const;
    int Count(const std::string& name, std::int64_t firstArg) const;
    const FakeWindow* Window(Handle h) const;
    FakeWindow* WindowOf(Form& f);
    std::set<std::pair<Handle, std::uint32_t>> trayIcons;
    // By key name; a key outside the settings' own section as
    // "section/key" (StoreKey).
    std::map<std::string, StoredText> store;
    std::set<std::string> refusedWrites;
    std::vector<std::string> started;  // command lines of Shell
    bool dialogOpen = false;
    Form* dialogOwner = nullptr;
    // The hot-key dialog: what the user does in it, in turn (Defaults; OK
    // with these words, or those the rows show when none are given; Cancel,
    // also once these run out), and what it showed: its design, and the
    // line after each refused OK.
    struct HotKeyPress {
        enum Kind { Defaults, Ok, Cancel, F7 } kind;  // F7: pressed and let go
        std::vector<std::uint16_t> words = {};
    };
    std::vector<HotKeyPress> hotKeyPresses;
    std::optional<HotKeyDialogDesign> hotKeyDialog;
    std::vector<std::string> hotKeyNotes;
    Handle focused = 0;
    int now = 0;
    bool prevInstance = false;
    // What a copy started with a command line met: the running copy's
    // answer to a request handed over (and the requests), whether a console
    // is there to take text (and the texts), the message boxes shown.
    Handed handOverAnswer{Handed::Kind::Taken, 1};
    std::vector<std::string> handedOver;
    int copiesStarted = 0;
    bool startWorks = true;
    bool console = true;
    std::vector<std::string> said;
    std::vector<std::string> messages;
    bool shellWorks = true;
    float tpp = 15;
    // The monitors, the primary first, and what the system calls each: its
    // device name and interface path, at the same place; one without is
    // "\\.\DISPLAYn" (n its place in the list from 1) with no path.
    std::vector<PixelRect> monitors{{0, 0, 1024, 768}};
    std::vector<std::pair<std::string, std::string>> monitorNames;
    PixelPoint cursor;
    OsVersion os{10, 0, 19045};
    unsigned uiLanguage = 0x0804;  // Chinese (PRC)
    std::vector<std::string> missingFaces;  // every other face is there
    bool affinityWorks = true;
    // The menus shown; each runs a loop of its own until AnswerMenu.
    std::vector<std::vector<MenuItem>> menus;
    bool menuOpen = false;
    // Who has the keyboard, and the windows of other programs.
    Handle foreground = 0;
    std::map<Handle, OutsideWindow> outsideWindows;
    int userState = 1;  // QUNS_NOT_PRESENT
    Form* watchingFront = nullptr;
    Handle notificationArea = 0;
    // The z-order of the windows the program placed, top first, and how
    // often a call changed it.
    std::vector<Handle> zorder;
    int zorderChanges = 0;
    // Every layer window the program ever made (overlay and companions).
    std::set<Handle> layers;
    SystemColours colours;
    StoredBytes startupApproved;
    std::string exePath = "C:\\Program Files\\Duskveil\\Duskveil.exe";
    std::optional<std::string> runEntry;
    bool runWritesRefused = false;
    // The wall clock: `wallStart` at virtual time 0, then running with it.
    std::int64_t wallStart = 1'700'000'000;
    int offsetMinutes = 0;
    // The system's time zone, by its key name.
    std::string timeZone;
    // Hot keys registered, by combination; those other programs hold.
    std::map<std::pair<unsigned, unsigned>, std::pair<Handle, int>> hotKeys;
    std::set<std::pair<unsigned, unsigned>> heldElsewhere;

    // The physical monitors behind each display, by its device name; how
    // often any were opened and released; a monitor thread stuck in a call
    // to a monitor that hangs (none of its work runs).
    std::map<std::string, std::vector<FakePanel>> panels;
    int panelsOpened = 0, panelsReleased = 0;
    bool monitorThreadHangs = false;
    bool MonitorThreadRuns() const { return monitorWorker_ != nullptr; }

    // --- Platform ---
    void SetWindowPos(Handle, Handle, int, int, int, int, std::uint32_t) override;
    std::int32_t GetWindowLongA(Handle, int) override;
    void SetWindowLongA(Handle, int, std::int32_t) override;
    void SetLayeredWindowAttributes(Handle, Colour, std::uint8_t, std::uint32_t) override;
    std::int16_t GetAsyncKeyState(int vk) override;
    void Shell_NotifyIconA(std::uint32_t message, const TrayRecord& record) override;
    StoredText GetSetting(std::string_view, std::string_view, std::string_view key) override;
    bool SaveSetting(std::string_view, std::string_view, std::string_view key,
                     std::string_view text) override;
    bool DeleteSetting(std::string_view, std::string_view, std::string_view key) override;
    std::unique_ptr<MonitorWorker> StartMonitorWorker(std::unique_ptr<MonitorWork> work) override;
    bool PrevInstance() override { return prevInstance; }
    Handed HandOver(std::uint32_t mark, std::string_view bytes, bool untilEnded,
                    unsigned waitMs) override;
    void LeaveSingleCopy() override { Record("LeaveSingleCopy", {}); }
    bool StartCopy() override;
    bool Say(std::string_view text, bool error) override;
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void AnswerRequest(std::uint32_t answer) override;
    [[noreturn]] void End() override;
    void DoEvents() override;
    bool Shell(std::string_view commandLine, int windowStyle) override;
    std::optional<Colour> PickColour(Form& owner) override;
    void ChooseHotKeys(Form& owner, const HotKeyDialogDesign& design,
                       HotKeyChooser& chooser) override;
    int PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) override;
    OsVersion WindowsVersion() override { return os; }
    unsigned UserUiLanguage() override { return uiLanguage; }
    bool HasFontFace(const char* face) override {
        return std::find(missingFaces.begin(), missingFaces.end(), face) == missingFaces.end();
    }
    std::string ExePath() override { return exePath; }
    std::optional<std::string> GetRunEntry() override { return runEntry; }
    bool SetRunEntry(std::string_view commandLine) override;
    bool DeleteRunEntry() override;
    bool SetWindowDisplayAffinity(Handle hWnd, std::uint32_t affinity) override;
    std::optional<std::uint32_t> GetWindowDisplayAffinity(Handle hWnd) override;
    Handle GetForegroundWindow() override { return foreground; }
    void SetForegroundWindow(Handle hWnd) override;
    bool IsWindow(Handle hWnd) override;
    bool IsNotificationArea(Handle hWnd) override { return hWnd == notificationArea; }
    PixelRect GetWindowRect(Handle hWnd) override;
    bool HasTitleBar(Handle hWnd) override;
    bool IsMaximizedWithFrame(Handle hWnd) override;
    Handle FindChild(Handle hWnd, std::string_view className) override;
    bool IsShellWindow(Handle hWnd) override;
    std::string ProgramOf(Handle hWnd) override;
    int UserNotificationState() override { return userState; }
    bool SameFileName(std::string_view a, std::string_view b) override;
    void WatchFront(Form& form, bool on) override;
    SystemColours GetSystemColours() override { return colours; }
    WallClock Now() override { return {wallStart + now / 1000, offsetMinutes}; }
    // The tick count runs with virtual time alone, from an hour after boot.
    std::uint64_t TickCount() override { return 3'600'000 + static_cast<std::uint64_t>(now); }
    std::string TimeZoneKey() override { return timeZone; }
    bool RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) override;
    void UnregisterHotKey(Handle hWnd, int id) override;
    StoredBytes GetStartupApproved() override { return startupApproved; }
    bool DeleteStartupApproved() override;
    std::vector<Monitor> Monitors() override;
    PixelPoint GetCursorPos() override { return cursor; }
    std::unique_ptr<WindowPeer> CreatePeer(Form& form) override;
    float TwipsPerPixelX() const override { return tpp; }
    float TwipsPerPixelY() const override { return tpp; }
    void RunModal(Form& form, Form* owner) override;

    // For the peers.
    struct TimerSlot {
        Form* form;
        int id;
        unsigned interval;
        int due;
        std::uint64_t order;
    };
    std::vector<TimerSlot> timers;
    std::uint64_t timerOrder = 0;
    std::map<Handle, FakeWindow> windows;
    Handle nextHandle = 0x1000;

    class FakeMonitorWorker;
    // Runs the monitor thread's work when it is due by `until`, on the
    // program's thread and clock, and delivers its news; false when none was.
    bool RunDueWork(int until);

   private:
    void Quit() override { quit_ = true; }
    void Record(std::string name, std::vector<std::int64_t> args, std::string text = {});
    // The program thread's loop: runs until `keepGoing` turns false.
    void Pump(const std::function<bool()>& keepGoing);
    bool FireDueTimer(int until);
    void Restack(Handle h, Handle after);
    PixelPoint ToPixels(float xTw, float yTw) const;

    struct EndedSignal {};
    struct StoppedSignal {};

    std::mutex m_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> tasks_;
    bool waiting_ = false;  // the program thread waits for a task
    bool finished_ = false;
    bool stopping_ = false;
    bool ended_ = false;
    bool quit_ = false;
    int target_ = 0;
    bool f7Down_ = false;
    bool f7Pressed_ = false;
    std::optional<std::optional<Colour>> dialogAnswer_;
    std::optional<int> menuAnswer_;
    std::optional<std::uint32_t> requestAnswer_;
    std::thread thread_;
    FakeMonitorWorker* monitorWorker_ = nullptr;
};

}  // namespace dv::fake
