// Timestamps for the benchmark build only: the shipped exe compiles them away.
#pragma once

#include <cstdint>

namespace dv::win32 {

// A line "what microseconds" in the file DUSKVEIL_BENCH_LOG names; and the
// wall clock (seconds since 1970), running DUSKVEIL_BENCH_CLOCK times as fast
// from its first reading, so that a fade of twenty minutes passes in seconds.
#ifdef DUSKVEIL_BENCH
void BenchMark(const char* what);
std::int64_t BenchClock(std::int64_t utc);
#else
inline void BenchMark(const char*) {}
inline std::int64_t BenchClock(std::int64_t utc) { return utc; }
#endif

}  // namespace dv::win32
