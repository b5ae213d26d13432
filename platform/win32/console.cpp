// Text for whoever started the program: the streams a script redirected,
// the console of the command prompt, or a message box.
#include "platform/win32/console.h"

#include "platform/names.h"
#include "platform/win32/text.h"

namespace dv::win32 {

// The standard streams a script redirected, else the console of the command
// prompt the program was started from.
bool Console::Say(std::string_view text, bool error) {
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

void Console::ShowMessage(std::string_view text) {
    MessageBoxW(nullptr, Wide(text).c_str(), Wide(names::kAppName).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

}  // namespace dv::win32
