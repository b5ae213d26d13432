// What the benchmark build adds: timestamps of a few events, and a clock
// that can run fast.
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

std::int64_t BenchClock(std::int64_t utc) {
    static const std::int64_t start = utc;
    static const std::int64_t scale = [] {
        wchar_t text[16];
        if (!GetEnvironmentVariableW(L"DUSKVEIL_BENCH_CLOCK", text, 16)) return 1;
        int n = 0;
        for (const wchar_t* c = text; *c >= L'0' && *c <= L'9'; ++c) n = n * 10 + (*c - L'0');
        return n > 0 ? n : 1;
    }();
    return start + (utc - start) * scale;
}

}  // namespace dv::win32
