#include "forms/frm_splash.h"

#include "forms/contact_link.h"
#include "forms/frm_night.h"
#include "settings/convert.h"

namespace dv {

FrmSplash::FrmSplash(Platform& host, Desk& desk, FrmNight& frmNight)
    : Form(host, layout::kSplash), desk_(desk), frmNight_(frmNight) {
    Bind(controls);
}

void FrmSplash::ResetDesign() {
    ResetControls(controls, layout::SplashControls().controls);
    if (desk_.language() == Language::Chinese) return;
    const Texts& t = desk_.texts();
    Label2.Retext(t.slogan);
    Label3.Retext(t.usage);
    Label4.Retext(t.contactAuthor);
    Label5.Retext(t.contactLink);
    Label6.Retext(t.contactFeedback);
    // The title and the countdown are the same in both languages, in
    // their own faces.
}

void FrmSplash::Form_Load() {
    if (Host().PrevInstance()) Host().End();
    Host().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
    ApplyScheme();
}

void FrmSplash::ApplyScheme() {
    look_.system = Host().GetSystemColours().highContrast;
    SetBackColor(look_.Surface(layout::kSplash.backColor));
    for (Label* label : {&Label1, &Label2, &lbTime, &Label3})
        label->SetForeColor(look_.Text(layout::kGreen));
    for (Label* label : {&Label4, &Label6}) label->SetForeColor(look_.Text(layout::kWhite));
    Label5.SetForeColor(look_.Link(layout::kWhite));
}

void FrmSplash::Form_SchemeChanged() {
    ApplyScheme();
    RepaintAll();
}

void FrmSplash::Timer_Tick(Timer& t) {
    if (&t == &Timer1) Timer1_Timer();
}

void FrmSplash::Timer1_Timer() {
    const std::optional<std::int16_t> n = LeadingInt16(lbTime.Caption());
    if (!n || *n <= 1) {
        // The keyboard goes back where it was before the start, unless the
        // user took it elsewhere meanwhile. (A splash counting down unseen
        // behind the settings window has nothing to give back.)
        // It goes before the splash does, so that the splash's going hands
        // the activation to nothing else.
        if (IsShown() && desk_.HoldsForeground()) desk_.GiveForegroundTo(desk_.StartedFrom());
        frmNight_.Begin();
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

void FrmSplash::Label5_MouseMove() { Label5.SetForeColor(look_.LinkHover(layout::kRed)); }

void FrmSplash::Form_MouseMove(const MouseArgs&) {
    Label5.SetForeColor(look_.Link(layout::kWhite));
}

void FrmSplash::Label5_Click() { OpenHomePage(Host()); }

}  // namespace dv
