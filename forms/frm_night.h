// The overlay: a borderless, maximized, top-most layer in the tint colour at
// the chosen alpha, transparent to the mouse. Night mode drives it as a
// layer; as a window it carries the tray icon's notifications, the hot keys
// and the F7 poll that opens the settings window.
#pragma once

#include <array>
#include <string>

#include "forms/user_context.h"
#include "forms/frm_level.h"
#include "forms/icon_menu.h"
#include "forms/own_hot_keys.h"
#include "overlay/night_mode.h"
#include "platform/form.h"
#include "resources/layout_night.h"

namespace dv {

class FrmSet;
class FrmSplash;

class FrmNight : public Form, public layout::NightControls, public NightMode::Overlay {
   public:
    FrmNight(Platform& host, UserContext& context, NightMode& night, FrmSet& frmSet, FrmSplash& frmSplash);

    // Loads the overlay and lets the layers show as the schedule says.
    void Begin();

    // Opens the settings window modally at the F7 poll's next tick, as F7
    // does (once no menu of the icon is open); `user` has the keyboard back
    // when it closes.
    void AskForSettings(Handle user) { settingsAskedBy_ = user; settingsAsked_ = true; }

    // Shows the strength of `m`'s level on `m` for a moment, where the user
    // wants it shown.
    void ShowLevel(const Monitor& m);

    Form& Layer() override { return *this; }
    void RunTimers(bool raising, bool clock) override;

   protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Form_DisplayChanged() override;
    void Form_HotKey(int id) override;
    void Form_TimeChanged() override;
    void Form_LanguageChanged() override { frmLevel_.DispatchLanguageChanged(); }
    void Form_FrontChanged() override;
    void Timer_Tick(Timer& t) override;
    void ResetDesign() override;

   private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    // The strength one step darker (`step` > 0) or brighter.
    void Strengthen(int step);
    // Opens the settings window modally over the overlay.
    void OpenSettings(Handle user);
    // Registers the hot keys (noting those another program holds) or takes
    // them back.
    void SetHotKeys(bool on);
    // Opens the settings window modeless; `user` has the keyboard back when
    // it closes.
    void OpenSettingsFromTray(Handle user);
    // The icon's menu on a right click; `user` has the keyboard back when it
    // closes.
    void TrayMenu(Handle user);
    // The window the user works in, as the icon's notifications come.
    Handle UserWindow();
    // Notes the window that has the keyboard when it is the user's; returns
    // whichever has it.
    Handle NoteUserWindow();

    UserContext& context_;
    NightMode& night_;
    FrmSet& frmSet_;
    FrmSplash& frmSplash_;
    IconMenu menu_;
    Handle userWindow_ = 0;
    bool settingsAsked_ = false;
    Handle settingsAskedBy_ = 0;
    OwnHotKeys hotKeys_;
    FrmLevel frmLevel_;
    // The window in front as seen last, and its program's file name, asked
    // for once (a process that cannot be opened is not asked again).
    Handle front_ = 0;
    bool frontAsked_ = false;
    PixelRect frontRect_;
    std::string frontProgram_;
};

}  // namespace dv
