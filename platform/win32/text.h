// Conversions between the program's UTF-8 texts and the system's.
#pragma once

#include <string>
#include <string_view>

namespace dv::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// In the system's ANSI code page, cut to `maxBytes`.
std::string Ansi(std::string_view utf8, std::size_t maxBytes);

}  // namespace dv::win32
