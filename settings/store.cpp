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

void SaveSettings(Platform& host, std::uint8_t alpha, Colour colour) {
    // The results are deliberately not looked at: a write the store refuses
    // leaves the old text, and the other value is still written.
    host.SaveSetting(names::kAppName, names::kSection, names::kKeyAlpha, LngToText(alpha));
    host.SaveSetting(names::kAppName, names::kSection, names::kKeyColour,
                     LngToText(static_cast<std::int32_t>(colour)));
}

}  // namespace dv
