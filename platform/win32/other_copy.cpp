// The command line, and what a copy started with one does: hand it to the
// copy already running, and answer whoever typed it.
#include "platform/win32/win32_platform.h"

#include <shellapi.h>

#include "platform/win32/text.h"
#include "resources/names.h"

namespace dv::win32 {
namespace {

struct LocalTraits {
    static LPWSTR* Invalid() { return nullptr; }
    static void Close(LPWSTR* p) { LocalFree(p); }
};

}  // namespace

std::vector<std::string> Win32Platform::Arguments(std::size_t& length) {
    const wchar_t* line = GetCommandLineW();
    length = wcslen(line);
    std::vector<std::string> args;
    int count = 0;
    const Owned<LPWSTR*, LocalTraits> argv(CommandLineToArgvW(line, &count));
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8(argv.Get()[i]));
    return args;
}

// The running copy's overlay may not be there yet (it comes once the
// splash has counted down), so it is looked for again until the time is up.
RuntimeServices::Handed Win32Platform::HandOver(std::uint32_t mark, std::string_view bytes) {
    const ULONGLONG until = GetTickCount64() + 5000;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (HWND overlay = FindWindowW(names::kFormClass, names::kOverlayCaptionW)) {
            // A settings window opened for the request may take the keyboard.
            DWORD process = 0;
            GetWindowThreadProcessId(overlay, &process);
            AllowSetForegroundWindow(process);
            COPYDATASTRUCT data{mark, static_cast<DWORD>(bytes.size()),
                                const_cast<char*>(bytes.data())};
            DWORD_PTR answer = FALSE;
            const auto wait = static_cast<UINT>(now < until ? until - now : 1);
            if (!SendMessageTimeoutW(overlay, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                     SMTO_ABORTIFHUNG, wait, &answer))
                return Handed::NoAnswer;
            return answer == TRUE ? Handed::Done : Handed::Refused;
        }
        if (now >= until) return Handed::NoAnswer;
        Sleep(50);
    }
}

// The standard streams a script redirected, else the console of the command
// prompt the program was started from.
bool Win32Platform::Say(std::string_view text, bool error) {
    HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    KernelHandle console;
    if (!out || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
        out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return false;
        console.Reset(out);
    }
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = Wide(text);
        return WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    }
    return WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Win32Platform::ShowMessage(std::string_view text) {
    MessageBoxW(nullptr, Wide(text).c_str(), Wide(names::kAppName).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

void Win32Platform::AnswerRequest(bool done) { ReplyMessage(done ? TRUE : FALSE); }

}  // namespace dv::win32
