#include "settings/start_at_log_on.h"

namespace dv {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Windows paths compare without regard to the case of their letters.
bool SamePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

}  // namespace

std::string RunCommandFor(std::string_view exePath) { return "\"" + std::string(exePath) + "\""; }

bool RunEntryNames(const std::optional<std::string>& entry, std::string_view exePath) {
    if (!entry) return false;
    std::string_view text = *entry;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
        const std::size_t close = text.find('"');
        if (close == std::string_view::npos) return false;
        text = text.substr(0, close);
    } else {
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    }
    return !exePath.empty() && SamePath(text, exePath);
}

bool StartupApproved(const StoredBytes& mark) {
    if (mark.kind != StoredBytes::Kind::Binary || mark.bytes.empty()) return true;
    return (static_cast<unsigned char>(mark.bytes[0]) & 1) == 0;
}

bool StartsAtLogOn(RuntimeServices& host, std::string_view exePath) {
    return RunEntryNames(host.GetRunEntry(), exePath) && StartupApproved(host.GetStartupApproved());
}

bool SetStartAtLogOn(RuntimeServices& host, std::string_view exePath, bool on) {
    if (!on) return host.DeleteRunEntry();
    return host.SetRunEntry(RunCommandFor(exePath)) && host.DeleteStartupApproved();
}

}  // namespace dv
