#include "startup/command_line.h"

#include "settings/slider.h"

namespace dv {
namespace {

constexpr std::size_t kMaxLength = 32767;
// A message holds at most the longest command line's worth of arguments.
constexpr std::size_t kMaxMessage = 4 * kMaxLength;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

bool IsOption(std::string_view a) { return a.size() > 1 && (a[0] == '/' || a[0] == '-'); }

// Plain ASCII digits only, a few of them: nothing for "50%", "1e2", "+5",
// "٥٠" or an empty text.
std::optional<int> WholeNumber(std::string_view t) {
    if (t.empty() || t.size() > 6) return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// "RRGGBB" to the system's 0x00BBGGRR.
std::optional<Colour> Rgb(std::string_view t) {
    if (t.size() != 6) return std::nullopt;
    Colour rgb = 0;
    for (char c : t) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        rgb = (rgb << 4) | static_cast<Colour>(d);
    }
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
}

std::optional<Schedule> ScheduleValue(std::string_view t) {
    const std::string folded = Folded(t);
    if (folded == "none") return Schedule{};
    if (folded == "sun") return Schedule{Schedule::Kind::Sun};
    const Schedule s = ParseSchedule(t);
    if (s.kind != Schedule::Kind::Span || folded.find('-') == std::string::npos)
        return std::nullopt;
    return s;
}

Parsed Fail(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

bool Request::Empty() const {
    return !brightness && step == 0 && !tint && pause == Pause::None && !schedule && !backlight &&
           !settings && !off && !help;
}

std::uint8_t AlphaForBrightness(int percent) {
    const int alpha = (25550 - percent * 255) / 100;  // 255 - P x 2.55, rounded
    return InSliderRange(alpha);
}

const char* const kUsage =
    "Duskveil [options], acting on the copy that runs:\n"
    "  /brightness P         brightness in percent, 0 to 100\n"
    "  /darker, /brighter    one step darker or brighter\n"
    "  /colour RRGGBB        the tint, in hexadecimal (also /color)\n"
    "  /pause [minutes]      pause, 1 to 1440 minutes (60 when left out)\n"
    "  /pause morning|always until the night ends, or until resumed\n"
    "  /resume, /toggle      resume; pause when tinted, resume when paused\n"
    "  /schedule none|sun|HH:MM-HH:MM\n"
    "  /backlight P|none     each monitor's own brightness at night, 0 to 100\n"
    "  /settings             open the settings window\n"
    "  /off                  turn night mode off\n"
    "  /help                 this text\n"
    "Exit codes: 0 done, 1 nothing runs, 2 a wrong command line, 3 no answer,\n"
    "4 a value could not be stored.\n";

std::string NotStoredLines(std::uint32_t answer, Then then) {
    std::string lines;
    const auto line = [&](std::uint32_t bit, const char* name, const std::string& what) {
        if (!(answer & bit)) return;
        lines += std::string(name) + " could not be stored; ";
        switch (then) {
            case Then::Runs:
                lines += "the new " + what +
                         " shows until the program ends and is written with the next save\n";
                break;
            case Then::Ended:
                lines += "the new " + what + " is lost\n";
                break;
            case Then::Starts:
                lines += "night mode starts with the " + what + " stored before\n";
                break;
        }
    };
    line(kStrengthNotStored, "intLig", "strength");
    line(kTintNotStored, "lngColor", "tint");
    if (answer & kScheduleNotStored)
        lines += "Schedule could not be stored; the schedule is unchanged\n";
    if (answer & kBacklightNotStored)
        lines += "Backlight could not be stored; the monitors' own brightness is unchanged\n";
    return lines;
}

namespace {

// The options, by their names after "/" or "-", and what those with a value
// take.
enum Option {
    kBrightness,
    kDarker,
    kBrighter,
    kColour,
    kPause,
    kResume,
    kToggle,
    kSchedule,
    kBacklight,
    kSettings,
    kOff,
    kHelp,
    kOptions
};
struct OptionName {
    std::string_view name;
    const char* takes = nullptr;
};
constexpr OptionName kNames[kOptions] = {
    {"brightness", "takes a whole number from 0 to 100"},
    {"darker"},
    {"brighter"},
    {"colour", "takes six hexadecimal digits, red, green and blue: 402000"},
    {"pause", "takes a whole number of minutes from 1 to 1440, morning, always, or none"},
    {"resume"},
    {"toggle"},
    {"schedule", "takes none, sun or two times such as 21:00-07:00"},
    {"backlight", "takes a whole number from 0 to 100, or none"},
    {"settings"},
    {"off"},
    {"help"},
};

int OptionNamed(std::string name) {
    if (name == "color") name = "colour";
    if (name == "?") name = "help";
    for (int o = 0; o < kOptions; ++o)
        if (kNames[o].name == name) return o;
    return kOptions;
}

constexpr unsigned Bit(int o) { return 1u << o; }

}  // namespace

Parsed ParseCommandLine(std::span<const std::string> args, std::size_t length) {
    if (length > kMaxLength) return Fail("the command line is longer than 32767 characters");
    Request r;
    unsigned seen = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const int o = IsOption(arg) ? OptionNamed(Folded(std::string_view(arg).substr(1))) : -1;
        if (o < 0 || o == kOptions)
            return Fail("\"" + arg + (o < 0 ? "\" belongs to no option" : "\" is no option") +
                        "; /help lists them");
        const std::string name = "/" + std::string(kNames[o].name) + " ";
        if (seen & Bit(o)) return Fail(name + "is given twice");
        seen |= Bit(o);
        // The value that follows, if any: read by the options that take one.
        const bool last = i + 1 >= args.size();
        const std::string_view value = last ? "" : std::string_view(args[i + 1]);
        bool read = true;
        if (o == kBrightness) {
            const auto p = WholeNumber(value);
            read = p && *p <= 100;
            r.brightness = p;
        } else if (o == kColour) {
            r.tint = Rgb(value);
            read = r.tint.has_value();
        } else if (o == kBacklight) {
            const auto p = WholeNumber(value);
            read = (p && *p <= 100) || Folded(value) == "none";
            r.backlight.emplace(p);
        } else if (o == kSchedule) {
            r.schedule = ScheduleValue(value);
            read = r.schedule.has_value();
        } else if (o == kPause && !last && !IsOption(value)) {
            const auto m = WholeNumber(value);
            const std::string word = Folded(value);
            if (word == "morning") r.pauseEnd = Request::PauseEnd::Morning;
            if (word == "always") r.pauseEnd = Request::PauseEnd::Resumed;
            read = (m && *m >= 1 && *m <= 1440) || r.pauseEnd != Request::PauseEnd::Minutes;
            r.pauseMinutes = m.value_or(0);
        } else {
            continue;  // no value
        }
        if (last || !read) return Fail(name + kNames[o].takes);
        ++i;
    }
    const auto any = [seen](unsigned bits) { return (seen & bits) != 0; };
    const auto several = [seen](unsigned bits) {
        const unsigned given = seen & bits;
        return (given & (given - 1)) != 0;  // more than one bit
    };
    if (any(Bit(kDarker))) r.step = 1;
    if (any(Bit(kBrighter))) r.step = -1;
    if (any(Bit(kPause))) r.pause = Request::Pause::Pause;
    if (any(Bit(kResume))) r.pause = Request::Pause::Resume;
    if (any(Bit(kToggle))) r.pause = Request::Pause::Toggle;
    r.settings = any(Bit(kSettings));
    r.off = any(Bit(kOff));
    r.help = any(Bit(kHelp));
    // Options that say the opposite of each other.
    if (several(Bit(kBrightness) | Bit(kDarker) | Bit(kBrighter)))
        return Fail("/brightness, /darker and /brighter go one at a time");
    if (several(Bit(kPause) | Bit(kResume) | Bit(kToggle)))
        return Fail("/pause, /resume and /toggle go one at a time");
    if (r.help && seen != Bit(kHelp)) return Fail("/help goes alone");
    if (r.off && any(Bit(kPause) | Bit(kResume) | Bit(kToggle) | Bit(kSettings) | Bit(kDarker) |
                     Bit(kBrighter)))
        return Fail("/off goes alone, or after what it should store");
    return {r, {}};
}

std::string EncodeRequest(std::span<const std::string> args) {
    std::string bytes;
    for (const std::string& a : args) {
        bytes += a;
        bytes.push_back('\0');
    }
    return bytes;
}

std::optional<std::vector<std::string>> DecodeRequest(std::uint32_t mark, std::string_view bytes) {
    if (mark != kRequestMark || bytes.size() > kMaxMessage) return std::nullopt;
    if (!bytes.empty() && bytes.back() != '\0') return std::nullopt;
    std::vector<std::string> args;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\0');
        args.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    return args;
}

}  // namespace dv
