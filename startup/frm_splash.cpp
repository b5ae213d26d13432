#include "startup/frm_splash.h"

#include <cmath>

#include "settings/convert.h"
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

std::optional<std::int16_t> LeadingInt16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1e6) return std::nullopt;
    }
    const double r = std::nearbyint(negative ? -value : value);
    if (r < -32768 || r > 32767) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

}  // namespace dv
