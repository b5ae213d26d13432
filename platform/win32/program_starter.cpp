// Starting another program from a command line, as the contact link does.
#include "platform/win32/program_starter.h"

#include <cstring>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

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

bool ProgramStarter::Shell(std::string_view commandLine, int windowStyle) {
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
    const KernelHandle thread(pi.hThread), process(pi.hProcess);
    return true;
}

}  // namespace dv::win32
