// The window in front, for stepping aside for it: what it is, which program
// it belongs to, and the system's events when it changes.
#include "platform/win32/front_windows.h"

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

FrontWindows* watching = nullptr;

}  // namespace

PixelRect FrontWindows::GetWindowRect(Handle hWnd) {
    RECT r{};
    ::GetWindowRect(reinterpret_cast<HWND>(hWnd), &r);
    return {r.left, r.top, r.right, r.bottom};
}

bool FrontWindows::HasTitleBar(Handle hWnd) {
    const LONG style = GetWindowLongW(reinterpret_cast<HWND>(hWnd), GWL_STYLE);
    return (style & WS_CAPTION) == WS_CAPTION;
}

bool FrontWindows::IsMaximizedWithFrame(Handle hWnd) {
    const HWND h = reinterpret_cast<HWND>(hWnd);
    return IsZoomed(h) && (GetWindowLongW(h, GWL_STYLE) & WS_THICKFRAME) != 0;
}

Handle FrontWindows::FindChild(Handle hWnd, std::string_view className) {
    return reinterpret_cast<Handle>(
        FindWindowExW(reinterpret_cast<HWND>(hWnd), nullptr, Wide(className).c_str(), nullptr));
}

// The desktop and the shell: the desktop window itself, the windows the
// shell draws the wallpaper and the icons in, and every window of the
// shell's process (its task switcher and full-screen Start cover a monitor
// without a title bar, and are no full-screen program).
bool FrontWindows::IsShellWindow(Handle hWnd) {
    const HWND h = reinterpret_cast<HWND>(hWnd);
    if (h == GetDesktopWindow()) return true;
    wchar_t cls[16];
    if (GetClassNameW(h, cls, 16) &&
        (lstrcmpW(cls, L"Progman") == 0 || lstrcmpW(cls, L"WorkerW") == 0))
        return true;
    const HWND shell = GetShellWindow();
    if (!shell) return false;
    DWORD shellPid = 0, pid = 0;
    GetWindowThreadProcessId(shell, &shellPid);
    GetWindowThreadProcessId(h, &pid);
    return shellPid != 0 && pid == shellPid;
}

std::string FrontWindows::ProgramOf(Handle hWnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(hWnd), &pid);
    if (pid == 0) return {};
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return {};
    wchar_t path[MAX_PATH * 4];
    DWORD size = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &size)) return {};
    return Utf8(std::wstring_view(path, size));
}

// Windows Vista and later; looked up, as the exe's oldest system may lack
// it in a stripped shell.
int FrontWindows::UserNotificationState() {
    using QueryFn = HRESULT(WINAPI*)(int*);
    static const auto query = Find<QueryFn>(L"shell32.dll", "SHQueryUserNotificationState");
    int state = 0;
    return query && query(&state) == S_OK ? state : 0;
}

bool FrontWindows::SameFileName(std::string_view a, std::string_view b) {
    const std::wstring wa = Wide(a), wb = Wide(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

void FrontWindows::WatchFront(Form& form, bool on) {
    locationHook_.Reset();
    foregroundHook_.Reset();
    frontWatcher_ = on ? &form : nullptr;
    watching = on ? this : nullptr;
    if (!on) return;
    foregroundHook_.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                          &FrontEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    HookFrontProcess();
}

// Moves and size changes come from every window of every program: heard
// only from the process in front, and acted on only for its window.
void FrontWindows::HookFrontProcess() {
    locationHook_.Reset();
    DWORD pid = 0;
    GetWindowThreadProcessId(::GetForegroundWindow(), &pid);
    if (pid == 0) return;
    locationHook_.Reset(SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                        nullptr, &FrontEvent, pid, 0, WINEVENT_OUTOFCONTEXT));
}

void CALLBACK FrontWindows::FrontEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object,
                                        LONG child, DWORD, DWORD) {
    FrontWindows* self = watching;
    if (!self || !self->frontWatcher_ || object != OBJID_WINDOW || child != CHILDID_SELF) return;
    if (event == EVENT_SYSTEM_FOREGROUND) {
        self->HookFrontProcess();
    } else if (hwnd != ::GetForegroundWindow()) {
        return;
    }
    self->frontWatcher_->DispatchFrontChanged();
}

}  // namespace dv::win32
