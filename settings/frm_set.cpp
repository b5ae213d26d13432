#include "settings/frm_set.h"

#include "settings/slider.h"
#include "settings/store.h"
#include "startup/contact_link.h"
#include "startup/program.h"

namespace dv {

FrmSet::FrmSet(Program& program) : Form(program.host, layout::kSet), program_(program) {
    Bind(controls);
}

void FrmSet::ResetDesign() { static_cast<layout::SetControls&>(*this) = {}; }

void FrmSet::Form_Load() {
    FrmNight& frmNight = program_.frmNight;
    program_.frmSplash.Hide();
    lbColor.SetBackColor(frmNight.BackColor());
    Ly.SetBorderColor(frmNight.BackColor());
    Host().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
    PlaceKnob();
    frmNight.Timer2.SetEnabled(false);
}

void FrmSet::PlaceKnob() {
    Ly.SetX1(KnobX(Lx.X1(), Lx.X2(), program_.mdl.bytLig));
    Ly.SetX2(Ly.X1());
}

void FrmSet::Form_QueryUnload() {
    SaveSettings(Host(), program_.mdl.bytLig, lbColor.BackColor());
    program_.frmNight.Timer2.SetEnabled(true);
    // However the window goes (the "×", Alt+F4, the system), the way back
    // into the program stays: one icon, as long as the overlay lives.
    if (!program_.mdl.trayShown && OverlayLives()) program_.mdl.TrayAdd(Host());
}

bool FrmSet::OverlayLives() const {
    return program_.frmNight.IsLoaded() && !program_.frmNight.IsUnloading();
}

void FrmSet::Control_Click(Control& c) {
    if (&c == &cmdExit)
        cmdExit_Click();
    else if (&c == &Label2)
        Label2_Click();
    else if (&c == &Label5)
        Label5_Click();
    else if (&c == &lbColor)
        lbColor_Click();
}

void FrmSet::Control_MouseMove(Control& c) {
    if (&c == &Label2)
        Label2_MouseMove();
    else if (&c == &Label5)
        Label5_MouseMove();
}

void FrmSet::cmdExit_Click() { program_.TurnOff(lbColor.BackColor()); }

void FrmSet::Label2_Click() {
    // Never an icon for a window that is gone: it would outlive the program.
    if (OverlayLives()) program_.mdl.TrayAdd(Host());
    Unload();
}

void FrmSet::Label2_MouseMove() { Label2.SetBackColor(layout::kYellow); }

void FrmSet::Label5_MouseMove() { Label5.SetForeColor(layout::kRed); }

void FrmSet::Label5_Click() { OpenHomePage(Host()); }

void FrmSet::Form_MouseMove(const MouseArgs& e) {
    if (InSliderBand({e.button, e.x, e.y}, Lx.X1(), Lx.X2(), lbLig.Top(), lbLig.Height())) {
        Ly.SetX1(e.x);
        Ly.SetX2(e.x);
        Mdluser& mdl = program_.mdl;
        mdl.bytLig = AlphaAt(e.x, Lx.X1(), Lx.X2());
        SetLayeredAlpha(Host(), program_.frmNight.hWnd(), 0, mdl.bytLig, kLwaAlpha);
        program_.screens.SetAlpha(mdl.bytLig);
    }
    Label5.SetForeColor(layout::kWhite);
    Label2.SetBackColor(layout::kWhite);
}

// A press acts as a move of the button just pressed, with no Shift.
void FrmSet::Form_MouseDown(const MouseArgs& e) {
    MouseArgs move = e;
    move.shift = 0;
    Form_MouseMove(move);
}

// A cancelled dialog changes nothing: the swatch, the overlay and the knob
// keep the current colour, and so does what the window saves.
void FrmSet::lbColor_Click() {
    if (!CommonDialog1.ShowColor(*this)) return;
    lbColor.SetBackColor(CommonDialog1.Color);
    program_.frmNight.SetBackColor(CommonDialog1.Color);
    program_.screens.SetColour(CommonDialog1.Color);
    Ly.SetBorderColor(program_.frmNight.BackColor());
}

}  // namespace dv
