// The overlay: a borderless, maximized, top-most layer in the tint colour at
// the chosen alpha, transparent to the mouse. It owns the tray icon and polls
// F7 to open the settings window.
#pragma once

#include "overlay/screens.h"
#include "platform/form.h"
#include "resources/layout_night.h"

namespace dv {

class Program;

class FrmNight : public Form, public layout::NightControls {
   public:
    explicit FrmNight(Program& program);

   protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Form_ShellRestarted() override;
    void Form_DisplayChanged() override;
    void Timer_Tick(Timer& t) override;
    void ResetDesign() override;

   private:
    void Sys_Tray();
    void Timer1_Timer();
    void Timer2_Timer();
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

    Program& program_;
    Handle userWindow_ = 0;
};

}  // namespace dv
