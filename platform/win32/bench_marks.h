// Timestamps for the benchmark build only: the shipped exe compiles them away.
#pragma once

namespace dv::win32 {

#ifdef DUSKVEIL_BENCH
void BenchMark(const char* what);
#else
inline void BenchMark(const char*) {}
#endif

}  // namespace dv::win32
