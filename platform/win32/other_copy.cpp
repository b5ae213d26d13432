// The command line, and what a copy started with one does: hand it to the
// copy already running, and answer whoever typed it.
#include "platform/win32/win32_platform.h"

#include <shellapi.h>

#include "platform/win32/text.h"
#include "platform/names.h"

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
// splash has counted down), and a copy still loading refuses: both are
// asked again until the time is up.
RuntimeServices::Handed Win32Platform::HandOver(std::uint32_t mark, std::string_view bytes,
                                                bool untilEnded, unsigned waitMs) {
    const ULONGLONG until = GetTickCount64() + waitMs;
    const auto left = [until] {
        const ULONGLONG now = GetTickCount64();
        return static_cast<DWORD>(now < until ? until - now : 0);
    };
    using Kind = Handed::Kind;
    Handed handed;
    do {
        if (HWND overlay = FindWindowW(names::kFormClass, names::kOverlayCaptionW)) {
            // A settings window opened for the request may take the keyboard.
            DWORD process = 0;
            GetWindowThreadProcessId(overlay, &process);
            AllowSetForegroundWindow(process);
            KernelHandle running(OpenProcess(SYNCHRONIZE, FALSE, process));
            COPYDATASTRUCT data{mark, static_cast<DWORD>(bytes.size()),
                                const_cast<char*>(bytes.data())};
            DWORD_PTR answer = 0;
            SetLastError(ERROR_SUCCESS);
            if (!SendMessageTimeoutW(overlay, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                     SMTO_ABORTIFHUNG, left() + 1, &answer)) {
                // A copy of higher rights that lets nothing through.
                return {GetLastError() == ERROR_ACCESS_DENIED ? Kind::OtherRights : Kind::NoAnswer};
            }
            if (answer != 0) {
                // Ended means gone: a copy started next finds none running.
                if (untilEnded && running && WaitForSingleObject(running.Get(), left() + 1))
                    return {Kind::NoAnswer};
                return {Kind::Taken, static_cast<std::uint32_t>(answer)};
            }
            handed.kind = Kind::Refused;
        }
        Sleep(50);
    } while (left() > 0);
    return handed;
}

// The copy runs on its own: at normal priority (a scheduled task runs below
// it, and a child would inherit that), out of the task's job where the job
// lets it go, from the exe's own folder, as a start from Explorer would.
bool Win32Platform::StartCopy() {
    const std::wstring exe = Wide(ExePath());
    std::wstring line = L"\"" + exe + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    for (const DWORD away : {static_cast<DWORD>(CREATE_BREAKAWAY_FROM_JOB), DWORD{0}}) {
        PROCESS_INFORMATION pi{};
        if (CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE,
                           NORMAL_PRIORITY_CLASS | away, nullptr, folder.c_str(), &si, &pi)) {
            const KernelHandle thread(pi.hThread), process(pi.hProcess);
            return true;
        }
    }
    return false;
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

void Win32Platform::AnswerRequest(std::uint32_t answer) { ReplyMessage(answer); }

}  // namespace dv::win32
