// Appends "what microseconds" lines to the file named by DUSKVEIL_BENCH_LOG.
#include "platform/win32/bench_marks.h"

#include <windows.h>

namespace dv::win32 {
namespace {

HANDLE Log() {
    static HANDLE file = [] {
        wchar_t path[MAX_PATH];
        if (!GetEnvironmentVariableW(L"DUSKVEIL_BENCH_LOG", path, MAX_PATH))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }();
    return file;
}

}  // namespace

void BenchMark(const char* what) {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    const unsigned long long us = static_cast<unsigned long long>(now.QuadPart) * 1000000ull /
                                  static_cast<unsigned long long>(freq.QuadPart);
    char line[64];
    int n = 0;
    while (what[n] && n < 40) {
        line[n] = what[n];
        ++n;
    }
    line[n++] = ' ';
    char digits[24];
    int d = 0;
    unsigned long long v = us;
    do {
        digits[d++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    while (d) line[n++] = digits[--d];
    line[n++] = '\n';
    DWORD written = 0;
    HANDLE f = Log();
    if (f != INVALID_HANDLE_VALUE) WriteFile(f, line, static_cast<DWORD>(n), &written, nullptr);
}

}  // namespace dv::win32
