#include "settings/store.h"

#include "platform/names.h"
#include "settings/convert.h"
#include "settings/sun.h"

namespace dv {
namespace {

// Where a level is kept: the settings' own section, or a monitor's key.
std::string SectionOf(const std::string& monitor) {
    if (monitor.empty()) return names::kSection;
    return std::string(names::kMonitorsSection) + "\\" + MonitorKeyName(monitor);
}

template <typename T, typename Convert>
Found<T> Read(const StoredText& stored, Convert convert) {
    using Kind = typename Found<T>::Kind;
    if (stored.kind == StoredText::Kind::Absent) return {};
    if (stored.kind == StoredText::Kind::Text) {
        if (const std::optional<T> value = convert(stored.text)) return {Kind::Value, *value};
    }
    return {Kind::Bad};
}

const char* KeyOf(Option option) {
    switch (option) {
        case Option::AllScreens:
            return names::kKeyAllScreens;
        case Option::HideInCaptures:
            return names::kKeyHideInCaptures;
        case Option::HotKeys:
            return names::kKeyHotKeys;
        case Option::PerMonitor:
            return names::kKeyPerMonitor;
        case Option::PauseFullScreen:
            return names::kKeyPauseFullScreen;
        case Option::ShowLevel:
            break;
    }
    return names::kKeyShowLevel;
}

bool ReadOption(RuntimeServices& host, Option option, bool byDefault) {
    const StoredText stored = host.GetSetting(names::kAppName, names::kSection, KeyOf(option));
    if (stored.kind != StoredText::Kind::Text) return byDefault;
    std::string_view text = stored.text;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text == (byDefault ? "0" : "1") ? !byDefault : byDefault;
}

}  // namespace

Options ReadOptions(RuntimeServices& host) {
    const Options defaults;
    return {ReadOption(host, Option::AllScreens, defaults.allScreens),
            ReadOption(host, Option::HideInCaptures, defaults.hideInCaptures),
            ReadOption(host, Option::HotKeys, defaults.hotKeys),
            ReadOption(host, Option::PerMonitor, defaults.perMonitor),
            ReadOption(host, Option::PauseFullScreen, defaults.pauseFullScreen),
            ReadOption(host, Option::ShowLevel, defaults.showLevel)};
}

Found<std::uint8_t> Store::Strength(const std::string& monitor) {
    return Read<std::uint8_t>(
        host_.GetSetting(names::kAppName, SectionOf(monitor), names::kKeyAlpha), TextToByte);
}

Found<Colour> Store::Tint(const std::string& monitor) {
    return Read<Colour>(host_.GetSetting(names::kAppName, SectionOf(monitor), names::kKeyColour),
                        [](std::string_view text) -> std::optional<Colour> {
                            const auto tint = TextToLng(text);
                            if (!tint || !IsWindowColour(static_cast<Colour>(*tint)))
                                return std::nullopt;
                            return static_cast<Colour>(*tint);
                        });
}

bool Store::SetStrength(const std::string& monitor, std::uint8_t strength) {
    return host_.SaveSetting(names::kAppName, SectionOf(monitor), names::kKeyAlpha,
                             LngToText(strength));
}

bool Store::SetTint(const std::string& monitor, Colour tint) {
    return host_.SaveSetting(names::kAppName, SectionOf(monitor), names::kKeyColour,
                             LngToText(static_cast<std::int32_t>(tint)));
}

bool Store::SetOption(Option option, bool on) {
    return host_.SaveSetting(names::kAppName, names::kSection, KeyOf(option), on ? "1" : "0");
}

std::string Store::Text(const char* key) {
    StoredText stored = host_.GetSetting(names::kAppName, names::kSection, key);
    return stored.kind == StoredText::Kind::Text ? std::move(stored.text) : std::string();
}

Schedule Store::ReadSchedule() { return ParseSchedule(Text(names::kKeySchedule)); }

Schedule Store::ReadOwnSpan() { return ParseSchedule(Text(names::kKeyOwnSpan)); }

bool Store::SetSchedule(const Schedule& s) {
    return host_.SaveSetting(names::kAppName, names::kSection, names::kKeySchedule,
                             ScheduleText(s));
}

bool Store::SetOwnSpan(const Schedule& s) {
    return host_.SaveSetting(names::kAppName, names::kSection, names::kKeyOwnSpan, ScheduleText(s));
}

std::optional<GeoPoint> Store::ReadPlace() {
    const auto latitude = ParseDegrees(Text(names::kKeyLatitude));
    const auto longitude = ParseDegrees(Text(names::kKeyLongitude));
    if (!latitude || !longitude || !OnEarth({*latitude, *longitude})) return std::nullopt;
    return GeoPoint{*latitude, *longitude};
}

StoredText Store::ReadProgramList() {
    return host_.GetSetting(names::kAppName, names::kSection, names::kKeyPauseFor);
}

bool Store::SetProgramList(std::string_view text) {
    return host_.SaveSetting(names::kAppName, names::kSection, names::kKeyPauseFor, text);
}

namespace {

// A whole number within [0, limit], blanks around it allowed.
std::optional<unsigned> Whole(std::string_view text, unsigned limit) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > limit) return std::nullopt;
    return value;
}

std::string DayKey(std::size_t panel) {
    std::string key = names::kKeyDayBacklight;
    if (panel > 0) key += LngToText(static_cast<std::int32_t>(panel + 1));
    return key;
}

}  // namespace

std::optional<int> Store::ReadBacklight() {
    const auto percent = Whole(Text(names::kKeyBacklight), 100);
    if (!percent) return std::nullopt;
    return static_cast<int>(*percent);
}

bool Store::SetBacklight(std::optional<int> percent) {
    return host_.SaveSetting(names::kAppName, names::kSection, names::kKeyBacklight,
                             percent ? LngToText(*percent) : std::string());
}

std::optional<unsigned> Store::ReadDayBacklight(const std::string& monitor, std::size_t panel) {
    const StoredText stored = host_.GetSetting(names::kAppName, SectionOf(monitor), DayKey(panel));
    if (stored.kind != StoredText::Kind::Text) return std::nullopt;
    return Whole(stored.text, 0xFFFF);
}

bool Store::SetDayBacklight(const std::string& monitor, std::size_t panel, unsigned level) {
    return host_.SaveSetting(names::kAppName, SectionOf(monitor), DayKey(panel),
                             LngToText(static_cast<std::int32_t>(level)));
}

bool Store::DeleteDayBacklight(const std::string& monitor, std::size_t panel) {
    return host_.DeleteSetting(names::kAppName, SectionOf(monitor), DayKey(panel));
}

// A combination the dialog would refuse (F7, a plain letter, one that
// another action has) does not read either: a text edited by hand must not
// take every "a" typed anywhere.
StoredHotKeys Store::ReadHotKeys() {
    StoredHotKeys stored;
    std::array<bool, kActionCount> own{};  // read from the store
    for (std::size_t action = 0; action < kActionCount; ++action) {
        const auto found = Read<HotKey>(
            host_.GetSetting(names::kAppName, names::kSection, names::kKeysOfHotKeys[action]),
            ReadHotKey);
        stored.keys[action] = found.Or(kDefaultHotKeys[action], kDefaultHotKeys[action]);
        stored.unreadable[action] = found.kind == Found<HotKey>::Kind::Bad;
        own[action] = found.kind == Found<HotKey>::Kind::Value;
    }
    // Each round takes one stored combination back to its default, and the
    // defaults pass together.
    for (std::size_t round = 0; round < kActionCount; ++round) {
        const SetCheck check = CheckSet(stored.keys);
        if (check.refusal == Refusal::None) break;
        std::size_t row = check.row;
        for (std::size_t other = 0; !own[row] && other < row; ++other)
            if (stored.keys[other] == stored.keys[row]) row = other;
        stored.keys[row] = kDefaultHotKeys[row];
        stored.unreadable[row] = true;
        own[row] = false;
    }
    return stored;
}

bool Store::SetHotKeys(const HotKeySet& keys, const std::array<bool, kActionCount>& rows) {
    std::array<StoredText, kActionCount> before;
    for (std::size_t action = 0; action < kActionCount; ++action) {
        if (!rows[action]) continue;
        const char* key = names::kKeysOfHotKeys[action];
        before[action] = host_.GetSetting(names::kAppName, names::kSection, key);
        if (host_.SaveSetting(names::kAppName, names::kSection, key, HotKeyText(keys[action])))
            continue;
        for (std::size_t back = 0; back < action; ++back) {
            if (!rows[back]) continue;
            const char* written = names::kKeysOfHotKeys[back];
            // A value that did not read as text goes: it read as the default,
            // as nothing stored does.
            if (before[back].kind == StoredText::Kind::Text)
                host_.SaveSetting(names::kAppName, names::kSection, written, before[back].text);
            else
                host_.DeleteSetting(names::kAppName, names::kSection, written);
        }
        return false;
    }
    return true;
}

StoredText Store::ReadLanguage() {
    return host_.GetSetting(names::kAppName, names::kSection, names::kKeyLanguage);
}

bool Store::SetLanguage(std::optional<text::Language> language) {
    if (!language) return host_.DeleteSetting(names::kAppName, names::kSection, names::kKeyLanguage);
    return host_.SaveSetting(names::kAppName, names::kSection, names::kKeyLanguage,
                             text::NameOf(*language).code);
}

}  // namespace dv
