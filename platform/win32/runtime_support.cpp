// The few pieces of the C++ runtime the program needs, without the exception
// machinery that the library's own versions would bring along. The program
// is built without exceptions: an allocation that fails, or a container
// asked for more than it can hold, ends the process.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {
[[noreturn]] void Fail() { ExitProcess(3); }
}  // namespace

void* operator new(std::size_t n) {
    if (void* p = std::malloc(n ? n : 1)) return p;
    Fail();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace std {
void __throw_length_error(const char*) { Fail(); }
void __throw_logic_error(const char*) { Fail(); }
void __throw_out_of_range(const char*) { Fail(); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
void __throw_bad_alloc() { Fail(); }
void __throw_bad_array_new_length() { Fail(); }
}  // namespace std

extern "C" void __cxa_pure_virtual() { Fail(); }
