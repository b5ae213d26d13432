// The stored settings: where they live and how they are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "resources/names.h"

namespace dv {

inline constexpr std::int32_t kDefaultColour = names::kDefaultTint;
inline constexpr std::int32_t kDefaultAlpha = names::kDefaultAlpha;

// The stored text of a key, or the default's decimal text when nothing is
// stored. Nothing when the store holds something that is not text.
std::optional<std::string> ReadSetting(Platform& host, const char* key, std::int32_t fallback);

// The stored text of a key; empty when nothing, or nothing readable as
// text, is stored.
std::string StoredOrEmpty(Platform& host, const char* key);

}  // namespace dv
