// Every value the program keeps in the per-user store, in one place: its
// name, its type, its default, how a text that does not read is taken, and
// whether the store took a write. The rest of the program asks for values
// by their meaning and decides what to do with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/names.h"
#include "resources/texts.h"
#include "settings/hot_keys.h"
#include "settings/schedule.h"

namespace dv {

// What a read found of one value: nothing stored, a value, or something
// that does not read as one (another kind of value, a text out of range).
template <typename T>
struct Found {
    enum class Kind { Absent, Value, Bad };
    Kind kind = Kind::Absent;
    T value{};
    // The value; `absent` where nothing is stored, `bad` where it does not
    // read.
    T Or(T absent, T bad) const {
        return kind == Kind::Value ? value : kind == Kind::Absent ? absent : bad;
    }
};

// The switches of the menu, each kept as "1" or "0".
enum class Option { AllScreens, HideInCaptures, HotKeys, PerMonitor, PauseFullScreen, ShowLevel };
struct Options {
    bool allScreens = true;        // a companion layer on every further monitor
    bool hideInCaptures = true;    // the layers kept out of screenshots and shares
    bool hotKeys = true;           // the hot keys registered
    bool perMonitor = false;       // a strength and a tint for each monitor
    bool pauseFullScreen = false;  // no layer where a full-screen program is in front
    bool showLevel = true;         // a change by hot key or command shown for a moment
};
// Each as stored: only the opposite of its default ("0" for those on at
// first, "1" for the others), blanks around it allowed, changes it.
Options ReadOptions(RuntimeServices& host);

struct StoredHotKeys {
    HotKeySet keys = kDefaultHotKeys;
    std::array<bool, kActionCount> unreadable{};
};

class Store {
   public:
    explicit Store(RuntimeServices& host) : host_(host) {}

    // "intLig", the layers' alpha at full night (0 to 255), and "lngColor",
    // the tint (a colour the window takes): the shared ones for no monitor,
    // else those of the monitor with that identity, under a key of its own.
    // With nothing stored the shared ones are these defaults; a monitor's
    // own start from the shared ones.
    static constexpr std::uint8_t kDefaultStrength = names::kDefaultAlpha;
    static constexpr Colour kDefaultTint = names::kDefaultTint;
    Found<std::uint8_t> Strength(const std::string& monitor);
    Found<Colour> Tint(const std::string& monitor);
    // Each write is false when the store refused it.
    bool SetStrength(const std::string& monitor, std::uint8_t strength);
    bool SetTint(const std::string& monitor, Colour tint);

    Options ReadOptions() { return dv::ReadOptions(host_); }
    bool SetOption(Option option, bool on);

    // "Schedule" and the user's own span kept beside it ("OwnSchedule"):
    // none where nothing readable is stored.
    Schedule ReadSchedule();
    Schedule ReadOwnSpan();
    bool SetSchedule(const Schedule& s);
    bool SetOwnSpan(const Schedule& s);

    // "Latitude" and "Longitude", in decimal degrees: the place where both
    // read and it lies on the earth.
    std::optional<GeoPoint> ReadPlace();

    // "PauseFor", the programs the user listed, as the user's own text: a
    // value that does not read as text is Unreadable, never to be written
    // over.
    StoredText ReadProgramList();
    bool SetProgramList(std::string_view text);

    // "Backlight": each monitor's own brightness at night in percent, none
    // for leaving it as it is (also where it does not read).
    std::optional<int> ReadBacklight();
    bool SetBacklight(std::optional<int> percent);
    // A monitor's own level by day, as read from it before night mode first
    // set it lower, for physical monitor `panel` (0 the first) of the display
    // with that identity; deleted once the monitor is back at it.
    std::optional<unsigned> ReadDayBacklight(const std::string& monitor, std::size_t panel);
    bool SetDayBacklight(const std::string& monitor, std::size_t panel, unsigned level);
    bool DeleteDayBacklight(const std::string& monitor, std::size_t panel);

    // Each action's hot key: its default where nothing is stored, and also
    // where the text does not read as one the dialog would take, which is
    // then left as it is and noted. A write stores the combinations' texts
    // of the actions `rows` names, all or none: when the store refuses one,
    // those written are put back as they were.
    StoredHotKeys ReadHotKeys();
    bool SetHotKeys(const HotKeySet& keys, const std::array<bool, kActionCount>& rows);

    // "Language", as stored; a write stores a language's code, or deletes
    // the value for Windows' own language.
    StoredText ReadLanguage();
    bool SetLanguage(std::optional<text::Language> language);

   private:
    std::string Text(const char* key);

    RuntimeServices& host_;
};

}  // namespace dv
