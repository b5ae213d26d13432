// The overlay: a borderless, maximized, top-most layer in the tint colour at
// the chosen alpha, transparent to the mouse. It owns the tray icon and polls
// F7 to open the settings window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "overlay/night.h"
#include "overlay/screens.h"
#include "platform/form.h"
#include "resources/layout_night.h"

namespace dv {

class Program;

class FrmNight : public Form, public layout::NightControls {
   public:
    explicit FrmNight(Program& program);

    // The hot keys: Alt+PgDn, Alt+PgUp, Alt+End.
    static constexpr int kHotKeyDarker = 1, kHotKeyBrighter = 2, kHotKeyPause = 3;

    // Loads the overlay and lets the layers show as the schedule says.
    void Begin();
    // Shows or hides the layers, at the strength and with the keep-on-top
    // work that the program's state asks for now.
    void Apply();
    // Gives every layer this alpha now.
    void ShowAlpha(std::uint8_t alpha);
    NightState& Night() { return night_; }

   protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Form_ShellRestarted() override;
    void Form_DisplayChanged() override;
    void Form_HotKey(int id) override;
    void Form_TimeChanged() override;
    void Timer_Tick(Timer& t) override;
    void ResetDesign() override;

   private:
    void Sys_Tray();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    // The strength one step darker (`step` > 0) or brighter.
    void Strengthen(int step);
    void PauseOrResume();
    // Registers the hot keys (noting those another program holds) or takes
    // them back.
    void SetHotKeys(bool on);
    // The hot keys' menu item: the combinations, or those another program
    // holds.
    std::string HotKeysText() const;
    // The schedule and the place it is worked out for, as stored.
    void ReadSchedule();
    // The stored place, else the one that stands for the system's time zone.
    void ReadPlace();
    // The user's own span: the schedule itself when it is one that the menu
    // does not offer, else the one kept from before (none: Kind::None).
    Schedule OwnSpan() const;
    // Writes a schedule picked in the menu and follows it; a refused write
    // changes nothing.
    void PickSchedule(const Schedule& s);
    std::vector<MenuItem> ScheduleItems();
    // Opens the settings window modeless; `user` has the keyboard back when
    // it closes.
    void OpenSettingsFromTray(Handle user);
    // The icon's menu on a right click (tray_menu.cpp); `user` has the
    // keyboard back when it closes.
    void TrayMenu(Handle user);
    // What the layers look like now, and laying the companions out with it.
    LayerLook Look();
    void LayOutScreens();
    // True when the system really keeps every layer out of captures.
    bool LayersExcluded();
    // The window the user works in, as the icon's notifications come.
    Handle UserWindow();
    // Notes the window that has the keyboard when it is the user's; returns
    // whichever has it.
    Handle NoteUserWindow();

    Program& program_;
    Handle userWindow_ = 0;
    NightState night_;
    Schedule storedOwnSpan_;
    std::array<bool, 3> hotKeyTaken_{};
    bool menuOpen_ = false;
    std::uint8_t shownAlpha_ = 0;
};

}  // namespace dv
