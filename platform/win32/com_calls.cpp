#include "platform/win32/com_calls.h"

#include "platform/win32/system_library.h"

namespace dv::win32 {
namespace {

template <typename Fn>
Fn Find(HMODULE m, const char* name) {
    return m ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

}  // namespace

ComCalls::ComCalls() {
    const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    const auto init = Find<Init>(ole32, "CoInitializeEx");
    coCreateInstance = Find<Create>(ole32, "CoCreateInstance");
    const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    lresultFromObject = Find<Lresult>(oleacc, "LresultFromObject");
    objectFromWindow = Find<FromWindow>(oleacc, "AccessibleObjectFromWindow");
    sysAllocString = Find<Alloc>(LoadSystemLibrary(L"oleaut32.dll"), "SysAllocString");
    // The program's one thread, an apartment of its own.
    ok = init && lresultFromObject && sysAllocString && objectFromWindow &&
         SUCCEEDED(init(nullptr, 2));
}

ComCalls& Com() {
    static ComCalls calls;
    return calls;
}

}  // namespace dv::win32
