// The names the program shares with the helper that drives it in the tests
// (tools/probe) and with the scripts, which read the #define lines below
// (tools/lib.sh, dv_name). Each is written here and nowhere else.
#pragma once

#include <cstdint>

#define DV_APP_NAME "Duskveil"
#define DV_SETTINGS_SECTION "Settings"
#define DV_KEY_COLOUR "lngColor"
#define DV_KEY_ALPHA "intLig"
#define DV_KEY_ALL_SCREENS "AllScreens"
#define DV_KEY_HIDE_IN_CAPTURES "HideInCaptures"
// When night mode shows by itself ("sun", "HH:MM-HH:MM"), and where the sun
// is worked out for (decimal degrees, north and east positive).
#define DV_KEY_SCHEDULE "Schedule"
// A span of the user's own ("HH:MM-HH:MM"), kept when another choice is
// picked so that the menu can offer it again.
#define DV_KEY_OWN_SPAN "OwnSchedule"
#define DV_KEY_LATITUDE "Latitude"
#define DV_KEY_LONGITUDE "Longitude"
// The hot keys: "1" on (the default), "0" off; and each action's
// combination ("Alt+PgDn", "Ctrl+Shift+F9"; "" for none; absent: Alt+PgDn,
// Alt+PgUp and Alt+End).
#define DV_KEY_HOT_KEYS "HotKeys"
#define DV_KEY_HOT_KEY_DARKER "HotKeyDarker"
#define DV_KEY_HOT_KEY_BRIGHTER "HotKeyBrighter"
#define DV_KEY_HOT_KEY_PAUSE "HotKeyPause"
// "1" (the default): a hot key's or a command's change of the strength is
// shown for a moment; "0": it is not.
#define DV_KEY_SHOW_LEVEL "ShowLevel"
// "1": each monitor has a strength and a tint of its own, kept as "intLig"
// and "lngColor" in a key of its own under the monitors' key, named for the
// monitor's identity with '%' and '\' written "%25" and "%5C"; "0" (the
// default): every monitor shows the ones above.
#define DV_KEY_PER_MONITOR "PerMonitor"
#define DV_MONITORS_SECTION "Settings\\Monitors"
// "1": the layer over a monitor hides while a full-screen program is in
// front there; "0" (the default): it stays.
#define DV_KEY_PAUSE_FULL_SCREEN "PauseFullScreen"
// The programs in front of which every layer hides: file names separated by
// "|" ("Photoshop.exe|vlc.exe").
#define DV_KEY_PAUSE_FOR "PauseFor"
// "zh" or "en": the language of every text, over the system's.
#define DV_KEY_LANGUAGE "Language"
// How bright each monitor's own backlight is at night, in percent of the
// range it reports ("0" to "100"); "" or absent: left as it is.
#define DV_KEY_BACKLIGHT "Backlight"
// A monitor's own level by day, kept under its key while night mode has it
// lower: "DayBacklight", then "DayBacklight2" and on for the further
// physical monitors of a display.
#define DV_KEY_DAY_BACKLIGHT "DayBacklight"
// The hot-key dialog's controls: each row's hot-key control from the first
// id on, and the line that says why a set was refused.
#define DV_HOT_KEY_FIRST_ROW 100
#define DV_HOT_KEY_NOTE 120
// Where the per-user settings live, under HKEY_CURRENT_USER.
#define DV_STORE_ROOT "Software\\VB and VBA Program Settings"
#define DV_FORM_CLASS "DuskveilForm"
#define DV_OVERLAY_CAPTION "DuskveilV1.0"
// The overlay's companion on each further monitor.
#define DV_SCREEN_CAPTION "DuskveilScreen"
// The mark of a command line handed to the running copy's overlay, which
// names that message's format and its version ("DDV1").
#define DV_REQUEST_MARK 0x31564444
// What starts at log-on for the user: this value under this key of HKCU.
#define DV_RUN_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Run"
#define DV_RUN_VALUE "Duskveil"
// Where the system marks an entry of that key enabled or disabled (a binary
// value of the same name; an odd first byte is disabled).
#define DV_STARTUP_APPROVED_KEY \
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"
// Client areas in twips, 15 to the pixel at 96 dots per inch.
#define DV_SPLASH_CLIENT_TWIPS 6390, 4215
#define DV_SET_CLIENT_TWIPS 6960, 4755
// The tint when nothing is stored: red 0, green 64, blue 0.
#define DV_DEFAULT_TINT 16384
#define DV_DEFAULT_ALPHA 150

namespace dv::names {

inline constexpr const char* kAppName = DV_APP_NAME;
inline constexpr const char* kSection = DV_SETTINGS_SECTION;
inline constexpr const char* kKeyColour = DV_KEY_COLOUR;
inline constexpr const char* kKeyAlpha = DV_KEY_ALPHA;
inline constexpr const char* kKeyAllScreens = DV_KEY_ALL_SCREENS;
inline constexpr const char* kKeyHideInCaptures = DV_KEY_HIDE_IN_CAPTURES;
inline constexpr const char* kKeySchedule = DV_KEY_SCHEDULE;
inline constexpr const char* kKeyOwnSpan = DV_KEY_OWN_SPAN;
inline constexpr const char* kKeyHotKeys = DV_KEY_HOT_KEYS;
inline constexpr const char* kKeysOfHotKeys[] = {DV_KEY_HOT_KEY_DARKER, DV_KEY_HOT_KEY_BRIGHTER,
                                                 DV_KEY_HOT_KEY_PAUSE};
inline constexpr const char* kKeyShowLevel = DV_KEY_SHOW_LEVEL;
inline constexpr const char* kKeyLatitude = DV_KEY_LATITUDE;
inline constexpr const char* kKeyLongitude = DV_KEY_LONGITUDE;
inline constexpr const char* kKeyLanguage = DV_KEY_LANGUAGE;
inline constexpr const char* kKeyPerMonitor = DV_KEY_PER_MONITOR;
inline constexpr const char* kKeyBacklight = DV_KEY_BACKLIGHT;
inline constexpr const char* kKeyDayBacklight = DV_KEY_DAY_BACKLIGHT;
inline constexpr const char* kMonitorsSection = DV_MONITORS_SECTION;
inline constexpr const char* kKeyPauseFullScreen = DV_KEY_PAUSE_FULL_SCREEN;
inline constexpr const char* kKeyPauseFor = DV_KEY_PAUSE_FOR;
inline constexpr const char* kOverlayCaption = DV_OVERLAY_CAPTION;
inline constexpr const char* kScreenCaption = DV_SCREEN_CAPTION;
inline constexpr wchar_t kRunKey[] = L"" DV_RUN_KEY;
inline constexpr wchar_t kRunValue[] = L"" DV_RUN_VALUE;
inline constexpr wchar_t kStartupApprovedKey[] = L"" DV_STARTUP_APPROVED_KEY;
inline constexpr wchar_t kStoreRoot[] = L"" DV_STORE_ROOT;
inline constexpr wchar_t kSettingsKey[] =
    L"" DV_STORE_ROOT "\\" DV_APP_NAME "\\" DV_SETTINGS_SECTION;
inline constexpr wchar_t kMonitorsKey[] = L"" DV_STORE_ROOT "\\" DV_APP_NAME "\\" DV_MONITORS_SECTION;
inline constexpr wchar_t kFormClass[] = L"" DV_FORM_CLASS;
inline constexpr wchar_t kOverlayCaptionW[] = L"" DV_OVERLAY_CAPTION;

struct ClientTwips {
    float width, height;
    // At 96 dots per inch.
    constexpr int WidthPx() const { return static_cast<int>(width) / 15; }
};
inline constexpr ClientTwips kSplashClient{DV_SPLASH_CLIENT_TWIPS};
inline constexpr ClientTwips kSetClient{DV_SET_CLIENT_TWIPS};

inline constexpr unsigned kDefaultTint = DV_DEFAULT_TINT;
inline constexpr int kDefaultAlpha = DV_DEFAULT_ALPHA;
inline constexpr std::uint32_t kRequestMark = DV_REQUEST_MARK;
inline constexpr int kHotKeyFirstRow = DV_HOT_KEY_FIRST_ROW;
inline constexpr int kHotKeyNote = DV_HOT_KEY_NOTE;

}  // namespace dv::names
