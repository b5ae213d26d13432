// Night mode and its one owner: the strength and the tint (one for every
// monitor, or one for each), what the layers show now (the schedule, its
// fades, a pause, an open menu or settings window), the tray icon, and the
// layers themselves: the overlay over the main monitor and its companions
// over the others.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "overlay/backlights.h"
#include "overlay/front.h"
#include "overlay/levels.h"
#include "overlay/night.h"
#include "overlay/screens.h"
#include "overlay/step_aside.h"
#include "overlay/tray_icon.h"
#include "settings/store.h"

namespace dv {

class NightMode {
   public:
    // The overlay as night mode drives it: the layer over the main monitor,
    // whose timers do the keep-on-top work and follow the clock.
    class Overlay {
       public:
        virtual Form& Layer() = 0;
        // Runs the timer that raises the layers, and the one that follows
        // the clock (the schedule's fades, a pause's end), or stops them.
        virtual void RunTimers(bool raising, bool clock) = 0;

       protected:
        ~Overlay() = default;
    };

    NightMode(Platform& host, Overlay& overlay);

    // What is stored (the levels, the options, the schedule and the place),
    // and the monitors; a command line's changes are made to these when no
    // copy runs.
    void Read();
    // At the overlay's load: the icon, what is stored and the monitors as
    // they are now, and the layers as the schedule has them now (by day hidden, in a fade
    // at the fade's strength, else at the user's).
    void Load();
    // At the overlay's unload: the icon and the companions go.
    void Unload();

    // The strength (the layers' alpha at full night, 0 invisible) and the
    // tint of the monitor known by `monitor` (MonitorIdentity): its own
    // while each monitor has its own, else, and for no monitor, the shared
    // ones every monitor starts from.
    std::uint8_t Strength(const std::string& monitor = {});
    Colour Tint(const std::string& monitor = {});
    // A strength set in the settings window, within the slider's range.
    void SetStrength(int alpha, const std::string& monitor = {});
    // One hot-key step darker (`step` > 0) or brighter, within the slider's
    // range; a strength stored beyond its darkest end (by hand) is never made
    // brighter by "darker".
    void Step(int step, const std::string& monitor = {});
    void SetTint(Colour tint, const std::string& monitor = {});
    // A tint for every monitor: the shared one, and each monitor's own while
    // each has its own; saved at once.
    void SetTintEverywhere(Colour tint);
    // What a change meant for every monitor changes: the own level of each
    // monitor with a layer while each has its own, else the shared one.
    std::vector<std::string> EveryMonitor() const;
    // Writes "intLig", then "lngColor": the shared ones while the monitors
    // share them, and those of every monitor whose own the user changed. A
    // refused write does not stop the others, and is said.
    NotStored Save();
    // "intLig" alone, as Save picks them.
    void SaveStrength();
    // Saves, takes the icon away, brings the monitors back to their day
    // level (waiting at most kBacklightEndMs) and ends the program at once,
    // no unload running.
    static constexpr unsigned kBacklightEndMs = 2000;
    void TurnOff();

    // What shows.
    const NightState& State() const { return night_; }
    bool Paused();
    void PauseOrResume();
    void Pause(int minutes);
    // Until the schedule's next end of night (07:00 without one), or until
    // the user resumes.
    void PauseUntilMorning();
    void PauseUntilResumed();
    void Resume();
    // The tint shows now on some monitor, were it not paused: at night, in a
    // fade, or while the settings window is open.
    bool Tinted();
    // The user's own span: the schedule itself when it is one that the menu
    // does not offer, else the one kept from before (none: Kind::None).
    Schedule OwnSpan() const;
    // Writes a schedule picked in the menu and follows it; a refused write
    // changes nothing, and is false.
    bool PickSchedule(const Schedule& s);
    // The stored place, else the one that stands for the system's time zone.
    void ReadPlace();
    // The settings window shows the strength chosen in it, whatever the hour.
    void SetEditing(bool open);
    // An open menu stops the keep-on-top work; the caller applies.
    void SetMenuOpen(bool open) { menuOpen_ = open; }
    bool MenuOpen() const { return menuOpen_; }
    // The overlay has loaded and night mode runs.
    bool Started() const { return started_; }
    // The overlay is loaded and not going.
    bool OverlayLives() const;
    // Shows or hides the layers, at the strength and with the keep-on-top
    // work that the state asks for now.
    void Apply();

    // The icon in the notification area.
    void ShowIcon() { icon_.Show(); }
    void HideIcon() { icon_.Hide(); }
    bool IconShown() const { return icon_.Shown(); }

    // The layers. Each option takes effect only once it is written: false
    // when the store refused.
    const Options& Settings() const { return options_; }
    bool SetAllScreens(bool on);
    bool SetHideInCaptures(bool on);
    bool SetHotKeys(bool on);
    bool SetPerMonitor(bool on);
    bool SetPauseFullScreen(bool on);
    bool SetShowLevel(bool on);
    // Each monitor's own brightness at night, in percent of its range: none
    // leaves the monitors as they are. A level is stored first, and a
    // refused write changes nothing.
    std::optional<int> Backlight() const { return backlights_.Level(); }
    bool SetBacklight(std::optional<int> percent);
    bool BacklightAnswers() const { return backlights_.AnyAnswers(); }
    // The programs the user listed, each known by its full path; a change
    // is written first, and a refused write changes nothing. ListFull: the
    // list takes no more.
    bool Listed(const std::string& path) { return aside_.Programs().Has(path); }
    bool ListFull() const { return aside_.Programs().Full(); }
    bool SetListed(const std::string& path, bool listed);
    // Reads the list again, as the user may have edited it.
    void ReadListed() {
        aside_.Programs().Read();
        WatchFront();
    }
    // Another window came in front, or the one in front changed: the layers
    // step aside for a full-screen program there, or for a listed one.
    void FrontChanged(const FrontWindow& front);
    bool WatchesFront() const { return aside_.Watching(); }
    // The layer over `m` steps aside, for a full-screen or a listed program.
    bool StepsAsideOn(const Monitor& m) const;
    // More than one monitor has a layer.
    bool CoversSeveral() const { return !screens_.All().empty(); }
    bool MayHideInCaptures() const;
    // True when the system really keeps every layer out of captures.
    bool LayersExcluded();
    // The monitors changed: the companions follow.
    void LayOut();
    // Top-most again, never taking the keyboard from the user's program;
    // right under `under` (a top-most window of the program's that stays
    // above the layers) where one is given.
    void Raise(Handle under = 0);
    bool IsLayer(Handle h) const;
    const Screens& Companions() const { return screens_; }
    // The monitors as seen last, the main one first: the one under the
    // pointer, and the one that holds the most of `r`.
    Monitor MonitorUnderPointer();
    Monitor MonitorUnder(const PixelRect& r);
    // The monitor whose layer tints `m`, and whose level a change made on
    // `m` changes: `m` itself while every monitor is covered, else the main
    // one, the only one with a layer.
    Monitor Tinting(const Monitor& m) const { return options_.allScreens ? m : MainMonitor(); }

    // The main monitor as seen last.
    Monitor MainMonitor() const;

   private:
    LayerLook LookOf(const Monitor& m, const WallClock& now, bool paused);
    void StyleLayers(const WallClock& now, bool paused);
    void ReadSchedule();
    void PlaceCompanions();
    // Hears of the window in front only while an option asks for it.
    void WatchFront();
    // Where night shows on each monitor, for its own brightness.
    std::vector<Backlights::Showing> BacklightShowing(const WallClock& now, bool paused);

    Platform& host_;
    Overlay& overlay_;
    Store store_;
    Backlights backlights_;
    Screens screens_;
    Options options_;
    OsVersion os_;
    TrayIcon icon_;
    bool started_ = false;
    std::vector<Monitor> monitors_;
    Levels levels_;
    StepAside aside_;
    std::uint8_t overlayAlpha_ = 0;
    NightState night_;
    Schedule storedOwnSpan_;
    bool editing_ = false;
    bool menuOpen_ = false;
};

}  // namespace dv
