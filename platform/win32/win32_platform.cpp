#include "platform/win32/win32_platform.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "platform/form.h"
#include "platform/win32/bench_marks.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

HWND H(Handle h) { return reinterpret_cast<HWND>(h); }

// Where the program named at the start of a command line ends: at a closing
// quote, or after the first ".exe" that a blank or the end follows. An
// unquoted path with blanks in it is therefore never cut at its first blank.
std::size_t ProgramEnd(std::wstring_view cmd) {
    if (!cmd.empty() && cmd[0] == L'"') {
        const std::size_t q = cmd.find(L'"', 1);
        return q == std::wstring_view::npos ? cmd.size() : q + 1;
    }
    for (std::size_t i = 0; i + 4 <= cmd.size(); ++i) {
        if (CompareStringOrdinal(cmd.data() + i, 4, L".exe", 4, TRUE) == CSTR_EQUAL &&
            (i + 4 == cmd.size() || cmd[i + 4] == L' ' || cmd[i + 4] == L'\t'))
            return i + 4;
    }
    const std::size_t blank = cmd.find_first_of(L" \t");
    return blank == std::wstring_view::npos ? cmd.size() : blank;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance), windowClass_(instance) {
    // One copy per session: the name is taken atomically, so two copies
    // started in the same instant still leave one.
    instanceMutex_.Reset(CreateMutexW(nullptr, FALSE, L"Local\\Duskveil.Instance"));
    const DWORD err = GetLastError();
    prevInstance_ = !instanceMutex_ || err == ERROR_ALREADY_EXISTS || err == ERROR_ACCESS_DENIED;
    WindowDc screen(nullptr);
    dpi_ = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    if (dpi_ <= 0) dpi_ = 96;
    const int dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    tppX_ = 1440.0f / static_cast<float>(dpi_);
    tppY_ = 1440.0f / static_cast<float>(dpiY > 0 ? dpiY : dpi_);
}

int Win32Platform::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return 0;
}

void Win32Platform::Dispatch(const MSG& msg) {
    // Enter presses the focused button of a form, as it would in a dialog
    // (Space the button handles itself); Tab and Esc are the form's.
    if (msg.message == WM_KEYDOWN && msg.hwnd &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_TAB || msg.wParam == VK_ESCAPE)) {
        // GetParent names an owner too: only a child window is a button.
        const bool child = (GetWindowLongW(msg.hwnd, GWL_STYLE) & WS_CHILD) != 0;
        const HWND form = child ? GetParent(msg.hwnd) : nullptr;
        wchar_t cls[16];
        if (form && GetClassNameW(form, cls, 16) && lstrcmpW(cls, kFormClassName) == 0) {
            if (msg.wParam == VK_RETURN)
                SendMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(msg.hwnd), BN_CLICKED),
                             reinterpret_cast<LPARAM>(msg.hwnd));
            else
                SendMessageW(form, WM_KEYDOWN, msg.wParam, msg.lParam);
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Platform::RunModal(Form& form, Form* owner) {
    HWND ownerWnd = owner ? H(owner->NativeHandle()) : nullptr;
    if (ownerWnd) EnableWindow(ownerWnd, FALSE);
    MSG msg;
    while (form.IsShown()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
            break;
        }
        if (got == -1) break;  // nothing was fetched, and nothing will be
        Dispatch(msg);
    }
    if (owner && owner->IsLoaded()) EnableWindow(H(owner->NativeHandle()), TRUE);
}

void Win32Platform::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void Win32Platform::End() { ExitProcess(0); }

void Win32Platform::SetWindowPos(Handle hWnd, Handle insertAfter, int x, int y, int cx, int cy,
                                 std::uint32_t flags) {
    ::SetWindowPos(H(hWnd), H(insertAfter), x, y, cx, cy, flags);
}

std::int32_t Win32Platform::GetWindowLongA(Handle hWnd, int index) {
    return static_cast<std::int32_t>(::GetWindowLongA(H(hWnd), index));
}

void Win32Platform::SetWindowLongA(Handle hWnd, int index, std::int32_t value) {
    ::SetWindowLongA(H(hWnd), index, value);
}

void Win32Platform::SetLayeredWindowAttributes(Handle hWnd, Colour key, std::uint8_t alpha,
                                               std::uint32_t flags) {
    ::SetLayeredWindowAttributes(H(hWnd), key, alpha, flags);
    BenchMark("alpha");
}

std::int16_t Win32Platform::GetAsyncKeyState(int vk) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(vk));
}

void Win32Platform::Shell_NotifyIconA(std::uint32_t message, const TrayRecord& r) {
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

bool Win32Platform::Shell(std::string_view commandLine, int windowStyle) {
    std::wstring line = Wide(commandLine);
    const std::size_t end = ProgramEnd(line);
    std::wstring program(line, 0, end);
    // The program's own command line names it quoted, so that it too reads
    // its path whole.
    if (program.size() >= 2 && program.front() == L'"') {
        program.pop_back();
        program.erase(0, 1);
    } else {
        line.insert(end, 1, L'"');
        line.insert(0, 1, L'"');
    }
    STARTUPINFOW si;
    std::memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION pi;
    std::memset(&pi, 0, sizeof pi);
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

std::optional<Colour> Win32Platform::PickColour(Form& owner) {
    // The custom colours last for the life of the program.
    static COLORREF custom[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    CHOOSECOLORW cc;
    std::memset(&cc, 0, sizeof cc);
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = H(owner.NativeHandle());
    cc.lpCustColors = custom;
    cc.Flags = 0;  // the short form, nothing preselected
    // The dialog's library is loaded the first time it is needed, from the
    // system directory: most evenings never open it, and it is the largest
    // thing the program would otherwise carry from the start.
    using ChooseFn = BOOL(WINAPI*)(CHOOSECOLORW*);
    static const ChooseFn choose = [] {
        HMODULE dlg = LoadSystemLibrary(L"comdlg32.dll");
        return dlg ? reinterpret_cast<ChooseFn>(
                         reinterpret_cast<void*>(GetProcAddress(dlg, "ChooseColorW")))
                   : nullptr;
    }();
    const BOOL ok = choose ? choose(&cc) : FALSE;
    if (cc.hwndOwner && owner.IsLoaded()) SetActiveWindow(cc.hwndOwner);
    if (!ok || !owner.IsLoaded()) return std::nullopt;  // cancelled, or its window went
    BenchMark("confirm");
    return static_cast<Colour>(cc.rgbResult & 0x00FFFFFF);
}

}  // namespace dv::win32
