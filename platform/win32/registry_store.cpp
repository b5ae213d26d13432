// The settings store, one registry key per user with texts as REG_SZ values,
// and the entry that starts the program at log-on.
#include "platform/win32/registry_store.h"

#include "platform/names.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

// Longer values are never a setting of this program: the longest is the
// list of programs to step aside for, 64 names of 260 characters and their
// separators.
constexpr DWORD kMaxValueBytes = 65536;

std::wstring KeyPath(std::string_view app, std::string_view section) {
    return std::wstring(names::kStoreRoot) + L"\\" + Wide(app) + L"\\" + Wide(section);
}

StoredText ReadText(const std::wstring& path, const std::wstring& name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return {};
    RegKey k(raw);
    DWORD type = 0, size = 0;
    const LONG probe = RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (probe == ERROR_FILE_NOT_FOUND) return {};
    if (probe != ERROR_SUCCESS || type != REG_SZ || size > kMaxValueBytes)
        return {StoredText::Kind::Unreadable, {}};
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>((buf.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &got) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {StoredText::Kind::Unreadable, {}};
    std::size_t len = got / sizeof(wchar_t);
    while (len > 0 && buf[len - 1] == L'\0') --len;
    const std::wstring_view text(buf.data(), len);
    // A text with a NUL inside is not one this program wrote.
    if (text.find(L'\0') != std::wstring_view::npos) return {StoredText::Kind::Unreadable, {}};
    return {StoredText::Kind::Text, Utf8(text)};
}

bool WriteText(const std::wstring& path, const std::wstring& name, std::string_view text) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return false;
    RegKey k(raw);
    const std::wstring value = Wide(text);
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(k.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace

StoredText RegistryStore::GetSetting(std::string_view app, std::string_view section,
                                     std::string_view key) {
    return ReadText(KeyPath(app, section), Wide(key));
}

bool RegistryStore::SaveSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view text) {
    return WriteText(KeyPath(app, section), Wide(key), text);
}

std::optional<std::string> RegistryStore::GetRunEntry() {
    StoredText entry = ReadText(names::kRunKey, names::kRunValue);
    if (entry.kind != StoredText::Kind::Text) return std::nullopt;
    return std::move(entry.text);
}

bool RegistryStore::SetRunEntry(std::string_view commandLine) {
    return WriteText(names::kRunKey, names::kRunValue, commandLine);
}

namespace {

// True when the value is gone afterwards, or was never there.
bool DeleteValue(const wchar_t* path, const wchar_t* name) {
    HKEY raw = nullptr;
    const LONG open = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &raw);
    if (open == ERROR_FILE_NOT_FOUND) return true;
    if (open != ERROR_SUCCESS) return false;
    RegKey k(raw);
    const LONG r = RegDeleteValueW(k.Get(), name);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
}

}  // namespace

bool RegistryStore::DeleteSetting(std::string_view app, std::string_view section,
                                  std::string_view key) {
    return DeleteValue(KeyPath(app, section).c_str(), Wide(key).c_str());
}

bool RegistryStore::DeleteRunEntry() { return DeleteValue(names::kRunKey, names::kRunValue); }

StoredBytes RegistryStore::GetStartupApproved() {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, names::kStartupApprovedKey, 0, KEY_QUERY_VALUE, &raw) !=
        ERROR_SUCCESS)
        return {};
    RegKey k(raw);
    DWORD type = 0;
    BYTE data[64];
    DWORD size = sizeof data;
    const LONG r = RegQueryValueExW(k.Get(), names::kRunValue, nullptr, &type, data, &size);
    if (r == ERROR_FILE_NOT_FOUND) return {};
    if (r != ERROR_SUCCESS || type != REG_BINARY) return {StoredBytes::Kind::Other, {}};
    return {StoredBytes::Kind::Binary, std::string(reinterpret_cast<const char*>(data), size)};
}

bool RegistryStore::DeleteStartupApproved() {
    return DeleteValue(names::kStartupApprovedKey, names::kRunValue);
}

}  // namespace dv::win32
