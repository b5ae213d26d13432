#include "forms/frm_splash.h"

#include "forms/contact_link.h"
#include "forms/frm_night.h"
#include "settings/convert.h"

namespace dv {

FrmSplash::FrmSplash(Platform& host, UserContext& context, FrmNight& frmNight)
    : Form(host, layout::kSplash), context_(context), frmNight_(frmNight) {
    Bind(controls);
}

void FrmSplash::ResetDesign() {
    const layout::SplashControls design;
    ResetControls(controls, design.controls);
    ShowTexts(design);
}

// Each text in the language chosen, in its face; the title and the
// countdown are the same in every language, in their own faces.
void FrmSplash::ShowTexts(const layout::SplashControls& design) {
    const Texts& t = context_.texts();
    const struct {
        Label& label;
        const Label& design;
        const char* text;
    } labels[] = {
        {slogan, design.slogan, t.slogan},
        {usageNote, design.usageNote, t.usage},
        {author, design.author, t.contactAuthor},
        {homeLink, design.homeLink, t.contactLink},
        {feedback, design.feedback, t.contactFeedback},
    };
    for (const auto& l : labels) l.label.Translate(l.text, context_.FontFor(l.design.Get().font));
}

void FrmSplash::Form_LanguageChanged() { ShowTexts(layout::SplashControls()); }

void FrmSplash::Form_Load() {
    if (System().PrevInstance()) System().End();
    System().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
    ApplyScheme();
}

void FrmSplash::ApplyScheme() {
    look_.system = System().GetSystemColours().highContrast;
    SetBackColor(look_.Surface(layout::kSplash.backColor));
    for (Label* label : {&title, &slogan, &countdown, &usageNote})
        label->SetForeColor(look_.Text(layout::kGreen));
    for (Label* label : {&author, &feedback}) label->SetForeColor(look_.Text(layout::kWhite));
    homeLink.SetForeColor(look_.Link(layout::kWhite));
}

void FrmSplash::Form_SchemeChanged() {
    ApplyScheme();
    RepaintAll();
}

void FrmSplash::Timer_Tick(Timer& t) {
    if (&t == &countdownClock) Timer1_Timer();
}

void FrmSplash::Timer1_Timer() {
    const std::optional<std::int16_t> n = LeadingInt16(countdown.Caption());
    if (!n || *n <= 1) {
        // The keyboard goes back where it was before the start, unless the
        // user took it elsewhere meanwhile. (A splash counting down unseen
        // behind the settings window has nothing to give back.)
        // It goes before the splash does, so that the splash's going hands
        // the activation to nothing else.
        if (IsShown() && context_.HoldsForeground())
            context_.GiveForegroundTo(context_.StartedFrom());
        frmNight_.Begin();
        Unload();
        return;
    }
    countdown.SetCaption(LngToText(*n - 1));
}

void FrmSplash::Control_MouseMove(Control& c) {
    if (&c == &homeLink) Label5_MouseMove();
}

void FrmSplash::Control_Click(Control& c) {
    if (&c == &homeLink) Label5_Click();
}

void FrmSplash::Label5_MouseMove() { homeLink.SetForeColor(look_.LinkHover(layout::kRed)); }

void FrmSplash::Form_MouseMove(const MouseArgs&) {
    homeLink.SetForeColor(look_.Link(layout::kWhite));
}

void FrmSplash::Label5_Click() { OpenHomePage(System()); }

}  // namespace dv
