// The command line that drives the copy already running: what it asks for,
// read strictly, and the message that carries it there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "platform/names.h"
#include "settings/schedule.h"

namespace dv {

struct Request {
    // Brightness in percent, 0 to 100, as a screen reader reads the slider.
    std::optional<int> brightness;
    // One hot-key step: 1 darker, -1 brighter.
    int step = 0;
    std::optional<Colour> tint;
    enum class Pause { None, Pause, Resume, Toggle };
    Pause pause = Pause::None;
    int pauseMinutes = 60;
    // A pause until the morning, or until resumed, instead of minutes.
    enum class PauseEnd { Minutes, Morning, Resumed };
    PauseEnd pauseEnd = PauseEnd::Minutes;
    std::optional<Schedule> schedule;
    // Each monitor's own brightness at night in percent; none inside: left
    // as it is.
    std::optional<std::optional<int>> backlight;
    bool settings = false;
    bool off = false;
    bool help = false;

    bool Empty() const;
    // What changes the stored settings, and so may be done with no copy
    // running before night mode starts.
    bool Stores() const { return brightness || step != 0 || tint || schedule || backlight; }
    // What only a running copy can do.
    bool NeedsOneRunning() const { return off || pause == Pause::Pause || pause == Pause::Resume; }
};

// What a command line asks for, or one line that says what was wrong and
// what is allowed.
struct Parsed {
    std::optional<Request> request;
    std::string error;
};

// The arguments after the program's name, in UTF-8; `length` is the command
// line's length in characters, which has a limit of its own.
Parsed ParseCommandLine(std::span<const std::string> args, std::size_t length = 0);

// The alpha for a brightness in percent: round(255 - P x 255 / 100), within
// the slider's range.
std::uint8_t AlphaForBrightness(int percent);

// The usage, one option to a line.
extern const char* const kUsage;

// The message a new copy hands to the running one: the arguments, each
// ending in a NUL, under a mark that names this format and its version.
inline constexpr std::uint32_t kRequestMark = names::kRequestMark;
std::string EncodeRequest(std::span<const std::string> args);
// The arguments of a message, or nothing when it is not one of ours.
std::optional<std::vector<std::string>> DecodeRequest(std::uint32_t mark, std::string_view bytes);

// The running copy's answer to a request: 0 when it did not carry it out,
// else kTaken with a bit for each value the store refused. A copy that
// answers 1 took all of it.
enum Answer : std::uint32_t {
    kRefused = 0,
    kTaken = 1,
    kStrengthNotStored = 2,
    kTintNotStored = 4,
    kScheduleNotStored = 8,
    kBacklightNotStored = 16,
};
// What a script is told of each value the store refused: when a copy that
// runs took the change, when that copy ended with it (/off), or when night
// mode is to start from the store.
enum class Then { Runs, Ended, Starts };
std::string NotStoredLines(std::uint32_t answer, Then then);

// The exit codes a script reads.
enum ExitCode : int {
    kDone = 0,
    kNothingRuns = 1,
    kBadCommandLine = 2,
    kNoAnswer = 3,
    kNotStored = 4,
};

}  // namespace dv
