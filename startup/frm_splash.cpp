#include "startup/frm_splash.h"

#include "settings/convert.h"
#include "startup/contact_link.h"
#include "startup/program.h"

namespace dv {

FrmSplash::FrmSplash(Program& program) : Form(program.host, layout::kSplash), program_(program) {
    Bind(controls);
}

void FrmSplash::ResetDesign() { static_cast<layout::SplashControls&>(*this) = {}; }

void FrmSplash::Form_Load() {
    if (Host().PrevInstance()) Host().End();
    Host().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
}

void FrmSplash::Timer_Tick(Timer& t) {
    if (&t == &Timer1) Timer1_Timer();
}

void FrmSplash::Timer1_Timer() {
    const std::optional<std::int16_t> n = LeadingInt16(lbTime.Caption());
    if (!n || *n <= 1) {
        program_.frmNight.Show();
        Unload();
        return;
    }
    lbTime.SetCaption(LngToText(*n - 1));
}

void FrmSplash::Control_MouseMove(Control& c) {
    if (&c == &Label5) Label5_MouseMove();
}

void FrmSplash::Control_Click(Control& c) {
    if (&c == &Label5) Label5_Click();
}

void FrmSplash::Label5_MouseMove() { Label5.SetForeColor(layout::kRed); }

void FrmSplash::Form_MouseMove(const MouseArgs&) { Label5.SetForeColor(layout::kWhite); }

void FrmSplash::Label5_Click() { OpenHomePage(Host()); }

}  // namespace dv
