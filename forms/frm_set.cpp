#include "forms/frm_set.h"

#include "forms/contact_link.h"
#include "forms/frm_splash.h"
#include "overlay/monitors.h"
#include "settings/convert.h"
#include "settings/slider.h"

namespace dv {
namespace {

// Between a label of the left column and its control: 8 pixels at 96 dpi.
constexpr float kLabelGap = 120;

}  // namespace

FrmSet::FrmSet(Platform& host, Desk& desk, NightMode& night, FrmSplash& frmSplash)
    : Form(host, layout::kSet), desk_(desk), night_(night), frmSplash_(frmSplash) {
    Bind(controls);
}

void FrmSet::ResetDesign() {
    ResetControls(controls, layout::SetControls().controls);
    CommonDialog1 = {};
    if (desk_.language() == Language::Chinese) return;
    const Texts& t = desk_.texts();
    cmdExit.Retext(t.turnOff);
    Label1.Retext(t.tint);
    lbLig.Retext(t.light);
    lbColor.Retext(t.swatch);
    Label4.Retext(t.contactAuthor);
    Label5.Retext(t.contactLink);
    Label6.Retext(t.contactFeedback);
}

void FrmSet::Form_Load() {
    frmSplash_.Hide();
    returnTo_ = 0;
    // While each monitor has its own level, the window opens on the one
    // under the pointer, and edits the level of the layer that tints it.
    monitor_.clear();
    if (night_.Settings().perMonitor) {
        const Monitor m = night_.MonitorUnderPointer();
        CentreOn(m.rect);
        Edit(night_.Tinting(m));
    }
    ApplyScheme();  // the swatch and the knob show the tint
    Host().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
    PlaceKnob();
    // English words run longer than the two characters the left column is
    // drawn for: they end a little before their controls instead.
    if (desk_.language() != Language::Chinese) {
        Label1.EndBefore(lbColor.Rect().left, kLabelGap);
        lbLig.EndBefore(SliderBand().left, kLabelGap);
    }
    // The slider has the keyboard first: a key meant for another program
    // never turns night mode off.
    FocusOn(Part::Slider);
    // The layers show at the strength chosen here, whatever the hour.
    night_.SetEditing(true);
}

// The slider's band, the knob's reach at both ends included.
TwipsRect FrmSet::SliderBand() const {
    const float reach = 150;
    return {Lx.X1() - reach, lbLig.Top(), Lx.X2() - Lx.X1() + 2 * reach, lbLig.Height()};
}

void FrmSet::Edit(const Monitor& m) {
    monitor_ = MonitorIdentity(m);
    lbMonitor.SetCaption(desk_.texts().monitor + LngToText(MonitorNumber(m)));
}

// Moved to another monitor, the window edits that one's level.
void FrmSet::Form_Moved() {
    if (!night_.Settings().perMonitor) return;
    const Monitor m = night_.Tinting(night_.MonitorUnder(WindowRect()));
    if (MonitorIdentity(m) == monitor_) return;
    Edit(m);
    ShowTint();
    ShowStrength();
}

void FrmSet::ShowStrength() {
    PlaceKnob();
    Announce(AccessibleEvent::ValueChange, static_cast<int>(Part::Slider));
}

std::array<FrmSet::KeyPart, static_cast<std::size_t>(FrmSet::Part::Count)> FrmSet::KeyParts()
    const {
    const Texts& t = desk_.texts();
    using R = AccessibleRole;
    const ButtonDesign& button = cmdExit.Get();
    return {{
        {nullptr, R::Slider, t.brightness, SliderBand(), nullptr, nullptr},
        {&lbColor, R::PushButton, lbColor.Caption(), lbColor.Rect(), t.press,
         &FrmSet::lbColor_Click},
        {&Label2, R::PushButton, t.close, Label2.Rect(), t.press, &FrmSet::Label2_Click},
        {&Label5, R::Link, Label5.Caption(), Label5.Rect(), t.jump, &FrmSet::Label5_Click},
        {&cmdExit, R::PushButton, button.caption, button.rect, t.press, &FrmSet::cmdExit_Click},
    }};
}

// The parts that take the keyboard come first, in its order (so a part's
// index is its Part), then the texts.
std::vector<AccessiblePart> FrmSet::AccessibleParts() {
    std::vector<AccessiblePart> parts;
    for (const KeyPart& k : KeyParts()) {
        AccessiblePart& p = parts.emplace_back();
        p.role = k.role;
        p.name = k.name;
        p.rect = k.rect;
        p.action = k.action ? k.action : "";
        p.focusable = true;
        p.focused = parts.size() - 1 == static_cast<std::size_t>(focus_);
    }
    parts[static_cast<std::size_t>(Part::Slider)].value =
        BrightnessPercent(night_.Strength(monitor_));
    for (const Label* text : {&lbMonitor, &Label1, &lbLig, &Label4, &Label6})
        if (!text->Caption().empty())
            parts.push_back({AccessibleRole::StaticText, text->Caption(), {}, {}, text->Rect()});
    return parts;
}

void FrmSet::AccessiblePress(int index) {
    if (index >= 0 && index < static_cast<int>(Part::Count)) Press(static_cast<Part>(index));
}

void FrmSet::AccessibleFocus(int index) {
    if (index >= 0 && index < static_cast<int>(Part::Count)) FocusOn(static_cast<Part>(index));
}

void FrmSet::FocusOn(Part part) {
    focus_ = part;
    Announce(AccessibleEvent::Focus, static_cast<int>(part));
    const KeyPart k = KeyParts()[static_cast<std::size_t>(part)];
    if (k.control == &cmdExit)
        FocusButton(cmdExit);
    else
        FocusArea(k.rect);
}

void FrmSet::Press(Part part) {
    const KeyPart k = KeyParts()[static_cast<std::size_t>(part)];
    if (k.press) (this->*k.press)();
}

void FrmSet::SetStrength(int alpha) {
    night_.SetStrength(alpha, monitor_);
    ShowStrength();
}

// The slider runs from the darkest at its left end to the brightest at its
// right, so the keys that point right or up brighten.
void FrmSet::Form_KeyDown(int vk, int shift) {
    constexpr int kCount = static_cast<int>(Part::Count);
    switch (vk) {
        case kVkTab: {
            const int step = (shift & 1) ? kCount - 1 : 1;
            FocusOn(static_cast<Part>((static_cast<int>(focus_) + step) % kCount));
            return;
        }
        case kVkEscape:
            Press(Part::Close);
            return;
        case kVkReturn:
        case kVkSpace:
            Press(focus_);
            return;
        default:
            break;
    }
    if (focus_ != Part::Slider) return;
    const int alpha = night_.Strength(monitor_);
    switch (vk) {
        case kVkRight:
        case kVkUp:
            SetStrength(alpha - 5);
            break;
        case kVkLeft:
        case kVkDown:
            SetStrength(alpha + 5);
            break;
        case kVkPrior:
            SetStrength(alpha - 25);
            break;
        case kVkNext:
            SetStrength(alpha + 25);
            break;
        case kVkHome:
            SetStrength(kDarkestAlpha);
            break;
        case kVkEnd:
            SetStrength(0);
            break;
        default:
            break;
    }
}

void FrmSet::ApplyScheme() {
    sys_ = Host().GetSystemColours();
    look_.system = sys_.highContrast;
    SetBackColor(look_.Surface(layout::kSet.backColor));
    for (Label* label : {&lbMonitor, &Label1, &lbLig, &Label4, &Label6})
        label->SetForeColor(look_.Text(layout::kWhite));
    Label5.SetForeColor(look_.Link(layout::kWhite));
    closeRest_ = Legible({kSysButtonText, layout::kWhite}, sys_);
    closeHover_ = look_.Hover({kSysButtonText, layout::kYellow}, sys_);
    Label2.SetForeColor(closeRest_.fore);
    Label2.SetBackColor(closeRest_.back);
    const ColourPair button = Legible({kSysButtonText, layout::kCyan}, sys_);
    cmdExit.SetColours(button.fore, button.back);
    Lx.SetBorderColor(look_.Text(layout::kWhite));
    lbColor.SetForeColor(look_.Text(layout::kWhite));
    ShowTint();
}

void FrmSet::ShowTint() {
    const Colour tint = night_.Tint(monitor_);
    lbColor.SetBackColor(look_.system ? kSysButtonFace : tint);
    Ly.SetBorderColor(look_.system ? kSysHighlight : tint);
}

void FrmSet::Form_SchemeChanged() {
    ApplyScheme();
    RepaintAll();
}

void FrmSet::PlaceKnob() {
    Ly.SetX1(KnobX(Lx.X1(), Lx.X2(), night_.Strength(monitor_)));
    Ly.SetX2(Ly.X1());
}

void FrmSet::Form_QueryUnload() {
    night_.Save();
    night_.SetEditing(false);
    // However the window goes (the "×", Alt+F4, the system), the way back
    // into the program stays: one icon, as long as the overlay lives.
    if (!night_.IconShown() && night_.OverlayLives()) night_.ShowIcon();
    // And the keyboard goes back to the program the user was in, unless the
    // user has gone elsewhere meanwhile.
    if (desk_.HoldsForeground()) desk_.GiveForegroundTo(returnTo_);
}

void FrmSet::Control_Click(Control& c) {
    for (const KeyPart& k : KeyParts()) {
        if (k.control != &c || !k.press) continue;
        (this->*k.press)();
        return;
    }
}

void FrmSet::Control_MouseMove(Control& c) {
    if (&c == &Label2)
        Label2_MouseMove();
    else if (&c == &Label5)
        Label5_MouseMove();
}

void FrmSet::cmdExit_Click() { night_.TurnOff(); }

void FrmSet::Label2_Click() {
    // Never an icon for a window that is gone: it would outlive the program.
    if (night_.OverlayLives()) night_.ShowIcon();
    Unload();
}

void FrmSet::Label2_MouseMove() {
    Label2.SetForeColor(closeHover_.fore);
    Label2.SetBackColor(closeHover_.back);
}

void FrmSet::Label5_MouseMove() { Label5.SetForeColor(look_.LinkHover(layout::kRed)); }

void FrmSet::Label5_Click() { OpenHomePage(Host()); }

void FrmSet::Form_MouseMove(const MouseArgs& e) {
    if (InSliderBand({e.button, e.x, e.y}, Lx.X1(), Lx.X2(), lbLig.Top(), lbLig.Height())) {
        Ly.SetX1(e.x);
        Ly.SetX2(e.x);
        night_.SetStrength(AlphaAt(e.x, Lx.X1(), Lx.X2()), monitor_);
        Announce(AccessibleEvent::ValueChange, static_cast<int>(Part::Slider));
    }
    Label5.SetForeColor(look_.Link(layout::kWhite));
    Label2.SetForeColor(closeRest_.fore);
    Label2.SetBackColor(closeRest_.back);
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
    night_.SetTint(CommonDialog1.Color, monitor_);
    ShowTint();
}

}  // namespace dv
