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

FrmSet::FrmSet(Platform& host, UserContext& context, NightMode& night, FrmSplash& frmSplash)
    : Form(host, layout::kSet), context_(context), night_(night), frmSplash_(frmSplash) {
    Bind(controls);
}

void FrmSet::ResetDesign() {
    const layout::SetControls design;
    ResetControls(controls, design.controls);
    colourDialog = {};
    ShowTexts(design);
}

// Each text in the language chosen, in its face.
void FrmSet::ShowTexts(const layout::SetControls& design) {
    const Texts& t = context_.texts();
    turnOff.Translate(t.turnOff, context_.FontFor(design.turnOff.Get().font));
    const struct {
        Label& label;
        const Label& design;
        const char* text;
    } labels[] = {
        {tintCaption, design.tintCaption, t.tint},  {lightCaption, design.lightCaption, t.light},
        {swatch, design.swatch, t.swatch},          {author, design.author, t.contactAuthor},
        {homeLink, design.homeLink, t.contactLink}, {feedback, design.feedback, t.contactFeedback},
    };
    for (const auto& l : labels) l.label.Translate(l.text, context_.FontFor(l.design.Get().font));
    // The monitor's name keeps its text until Edit names it again.
    const std::string monitor = monitorName.Caption();
    monitorName.Translate(monitor.c_str(), context_.FontFor(design.monitorName.Get().font));
}

// Other languages' words run longer than the two characters the left
// column is drawn for: they end a little before their controls instead.
void FrmSet::PlaceCaptions(const layout::SetControls& design) {
    if (context_.language() == Language::Chinese) {
        tintCaption.MoveTo(design.tintCaption.Rect().left);
        lightCaption.MoveTo(design.lightCaption.Rect().left);
    } else {
        tintCaption.EndBefore(swatch.Rect().left, kLabelGap);
        lightCaption.EndBefore(SliderBand().left, kLabelGap);
    }
}

void FrmSet::Form_LanguageChanged() {
    const layout::SetControls design;
    ShowTexts(design);
    PlaceCaptions(design);
    if (!monitor_.empty()) Edit(night_.Tinting(night_.MonitorUnder(WindowRect())));
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
    System().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize);
    PlaceKnob();
    PlaceCaptions(layout::SetControls());
    // The slider has the keyboard first: a key meant for another program
    // never turns night mode off.
    FocusOn(Part::Slider);
    // The layers show at the strength chosen here, whatever the hour.
    night_.SetEditing(true);
}

// The slider's band, the knob's reach at both ends included.
TwipsRect FrmSet::SliderBand() const {
    const float reach = 150;
    return {sliderTrack.X1() - reach, lightCaption.Top(),
            sliderTrack.X2() - sliderTrack.X1() + 2 * reach, lightCaption.Height()};
}

void FrmSet::Edit(const Monitor& m) {
    monitor_ = MonitorIdentity(m);
    monitorName.SetCaption(context_.texts().monitor + LngToText(MonitorNumber(m)));
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
    const Texts& t = context_.texts();
    using R = AccessibleRole;
    const ButtonDesign& button = turnOff.Get();
    return {{
        {nullptr, R::Slider, t.brightness, SliderBand(), nullptr, nullptr},
        {&swatch, R::PushButton, swatch.Caption(), swatch.Rect(), t.press, &FrmSet::lbColor_Click},
        {&closeMark, R::PushButton, t.close, closeMark.Rect(), t.press, &FrmSet::Label2_Click},
        {&homeLink, R::Link, homeLink.Caption(), homeLink.Rect(), t.jump, &FrmSet::Label5_Click},
        {&turnOff, R::PushButton, button.caption, button.rect, t.press, &FrmSet::cmdExit_Click},
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
    for (const Label* text : {&monitorName, &tintCaption, &lightCaption, &author, &feedback})
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
    if (k.control == &turnOff)
        FocusButton(turnOff);
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
    sys_ = System().GetSystemColours();
    look_.system = sys_.highContrast;
    SetBackColor(look_.Surface(layout::kSet.backColor));
    for (Label* label : {&monitorName, &tintCaption, &lightCaption, &author, &feedback})
        label->SetForeColor(look_.Text(layout::kWhite));
    homeLink.SetForeColor(look_.Link(layout::kWhite));
    closeRest_ = Legible({kSysButtonText, layout::kWhite}, sys_);
    closeHover_ = look_.Hover({kSysButtonText, layout::kYellow}, sys_);
    closeMark.SetForeColor(closeRest_.fore);
    closeMark.SetBackColor(closeRest_.back);
    const ColourPair button = Legible({kSysButtonText, layout::kCyan}, sys_);
    turnOff.SetColours(button.fore, button.back);
    sliderTrack.SetBorderColor(look_.Text(layout::kWhite));
    swatch.SetForeColor(look_.Text(layout::kWhite));
    ShowTint();
}

void FrmSet::ShowTint() {
    const Colour tint = night_.Tint(monitor_);
    swatch.SetBackColor(look_.system ? kSysButtonFace : tint);
    sliderKnob.SetBorderColor(look_.system ? kSysHighlight : tint);
}

void FrmSet::Form_SchemeChanged() {
    ApplyScheme();
    RepaintAll();
}

void FrmSet::PlaceKnob() {
    sliderKnob.SetX1(KnobX(sliderTrack.X1(), sliderTrack.X2(), night_.Strength(monitor_)));
    sliderKnob.SetX2(sliderKnob.X1());
}

void FrmSet::Form_QueryUnload() {
    night_.Save();
    night_.SetEditing(false);
    // However the window goes (the "×", Alt+F4, the system), the way back
    // into the program stays: one icon, as long as the overlay lives.
    if (!night_.IconShown() && night_.OverlayLives()) night_.ShowIcon();
    // And the keyboard goes back to the program the user was in, unless the
    // user has gone elsewhere meanwhile.
    if (context_.HoldsForeground()) context_.GiveForegroundTo(returnTo_);
}

void FrmSet::Control_Click(Control& c) {
    for (const KeyPart& k : KeyParts()) {
        if (k.control != &c || !k.press) continue;
        (this->*k.press)();
        return;
    }
}

void FrmSet::Control_MouseMove(Control& c) {
    if (&c == &closeMark)
        Label2_MouseMove();
    else if (&c == &homeLink)
        Label5_MouseMove();
}

void FrmSet::cmdExit_Click() { night_.TurnOff(); }

void FrmSet::Label2_Click() {
    // Never an icon for a window that is gone: it would outlive the program.
    if (night_.OverlayLives()) night_.ShowIcon();
    Unload();
}

void FrmSet::Label2_MouseMove() {
    closeMark.SetForeColor(closeHover_.fore);
    closeMark.SetBackColor(closeHover_.back);
}

void FrmSet::Label5_MouseMove() { homeLink.SetForeColor(look_.LinkHover(layout::kRed)); }

void FrmSet::Label5_Click() { OpenHomePage(System()); }

void FrmSet::Form_MouseMove(const MouseArgs& e) {
    if (InSliderBand({e.button, e.x, e.y}, sliderTrack.X1(), sliderTrack.X2(), lightCaption.Top(),
                     lightCaption.Height())) {
        sliderKnob.SetX1(e.x);
        sliderKnob.SetX2(e.x);
        night_.SetStrength(AlphaAt(e.x, sliderTrack.X1(), sliderTrack.X2()), monitor_);
        Announce(AccessibleEvent::ValueChange, static_cast<int>(Part::Slider));
    }
    homeLink.SetForeColor(look_.Link(layout::kWhite));
    closeMark.SetForeColor(closeRest_.fore);
    closeMark.SetBackColor(closeRest_.back);
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
    if (!colourDialog.ShowColor(*this)) return;
    night_.SetTint(colourDialog.Color, monitor_);
    ShowTint();
}

}  // namespace dv
