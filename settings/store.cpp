#include "settings/store.h"

#include "resources/names.h"
#include "settings/convert.h"

namespace dv {

std::optional<std::string> ReadSetting(Platform& host, const char* key, std::int32_t fallback) {
    StoredText stored = host.GetSetting(names::kAppName, names::kSection, key);
    switch (stored.kind) {
        case StoredText::Kind::Text:
            return std::move(stored.text);
        case StoredText::Kind::Absent:
            return LngToText(fallback);
        case StoredText::Kind::Unreadable:
            break;
    }
    return std::nullopt;
}

std::string StoredOrEmpty(Platform& host, const char* key) {
    StoredText stored = host.GetSetting(names::kAppName, names::kSection, key);
    return stored.kind == StoredText::Kind::Text ? std::move(stored.text) : std::string();
}

}  // namespace dv
