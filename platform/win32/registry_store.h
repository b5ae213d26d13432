// The settings store, one registry key per user with texts as REG_SZ values,
// and the entry that starts the program at log-on.
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

class RegistryStore {
   public:
    StoredText GetSetting(std::string_view app, std::string_view section, std::string_view key);
    // True when the value is gone afterwards, or was never there.
    bool DeleteSetting(std::string_view app, std::string_view section, std::string_view key);
    bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view text);
    std::optional<std::string> GetRunEntry();
    bool SetRunEntry(std::string_view commandLine);
    bool DeleteRunEntry();
    StoredBytes GetStartupApproved();
    bool DeleteStartupApproved();
};

}  // namespace dv::win32
