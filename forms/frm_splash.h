// The splash window: refuses a second copy, counts down from 5 and then
// brings up the overlay.
#pragma once

#include "forms/user_context.h"
#include "platform/form.h"
#include "resources/layout_splash.h"
#include "settings/scheme.h"

namespace dv {

class FrmNight;

class FrmSplash : public Form, public layout::SplashControls {
   public:
    FrmSplash(Platform& host, UserContext& context, FrmNight& frmNight);

   protected:
    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Control_MouseMove(Control& c) override;
    void Control_Click(Control& c) override;
    void Timer_Tick(Timer& t) override;
    void Form_SchemeChanged() override;
    void ResetDesign() override;
    void Form_LanguageChanged() override;

   private:
    void ShowTexts(const layout::SplashControls& design);
    void Timer1_Timer();
    void Label5_MouseMove();
    void Label5_Click();
    // Design colours, or the system's under high contrast.
    void ApplyScheme();

    UserContext& context_;
    FrmNight& frmNight_;
    Look look_;
};

}  // namespace dv
