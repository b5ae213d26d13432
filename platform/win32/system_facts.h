// What the system says of itself: its version, the time and the time zone,
// the user's language, and where the exe stands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace dv::win32 {

class SystemFacts {
   public:
    OsVersion WindowsVersion();
    unsigned UserUiLanguage() { return GetUserDefaultUILanguage(); }
    bool HasFontFace(const char* face);
    std::string ExePath();
    WallClock Now();
    std::uint64_t TickCount() { return GetTickCount64(); }
    std::string TimeZoneKey();
};

}  // namespace dv::win32
