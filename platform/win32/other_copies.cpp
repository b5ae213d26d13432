// The other copies of the program: one runs per session, and a copy started
// with a command line hands it to the one that runs, or starts one.
#include "platform/win32/other_copies.h"

#include <shellapi.h>

#include "platform/names.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

struct LocalTraits {
    static LPWSTR* Invalid() { return nullptr; }
    static void Close(LPWSTR* p) { LocalFree(p); }
};

}  // namespace

// One copy per session: the name is taken atomically, so two copies started
// in the same instant still leave one.
OtherCopies::OtherCopies() {
    instanceMutex_.Reset(CreateMutexW(nullptr, FALSE, L"Local\\Duskveil.Instance"));
    const DWORD err = GetLastError();
    prevInstance_ = !instanceMutex_ || err == ERROR_ALREADY_EXISTS || err == ERROR_ACCESS_DENIED;
}

std::vector<std::string> OtherCopies::Arguments(std::size_t& length) {
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
RuntimeServices::Handed OtherCopies::HandOver(std::uint32_t mark, std::string_view bytes,
                                                bool untilEnded, unsigned waitMs) {
    const ULONGLONG until = GetTickCount64() + waitMs;
    const auto left = [until] {
        const ULONGLONG now = GetTickCount64();
        return static_cast<DWORD>(now < until ? until - now : 0);
    };
    using Handed = RuntimeServices::Handed;
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
            const bool sent = SendMessageTimeoutW(overlay, WM_COPYDATA, 0,
                                                  reinterpret_cast<LPARAM>(&data),
                                                  SMTO_ABORTIFHUNG, left() + 1, &answer) != 0;
            // A copy of higher rights that lets nothing through; an overlay
            // gone meanwhile is looked for again. One that did not answer in
            // time may still carry the request out later: it is never sent
            // twice.
            const DWORD error = sent ? ERROR_SUCCESS : GetLastError();
            if (error == ERROR_ACCESS_DENIED) return {Kind::OtherRights};
            if (!sent && error != ERROR_INVALID_WINDOW_HANDLE) return {Kind::NoAnswer};
            if (sent && answer != 0) {
                // Ended means gone: a copy started next finds none running.
                if (untilEnded && running && WaitForSingleObject(running.Get(), left() + 1))
                    return {Kind::NoAnswer};
                return {Kind::Taken, static_cast<std::uint32_t>(answer)};
            }
            if (sent) handed.kind = Kind::Refused;
        }
        Sleep(50);
    } while (left() > 0);
    return handed;
}

// The copy runs on its own: at normal priority (a scheduled task runs below
// it, and a child would inherit that), out of the task's job where the job
// lets it go, from the exe's own folder, as a start from Explorer would.
bool OtherCopies::StartCopy(const std::string& exePath) {
    const std::wstring exe = Wide(exePath);
    std::wstring line = L"\"" + exe + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);  // "C:\\" at a root
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

void OtherCopies::AnswerRequest(std::uint32_t answer) { ReplyMessage(answer); }

}  // namespace dv::win32
