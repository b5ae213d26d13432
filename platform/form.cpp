#include "platform/form.h"

namespace dv {

Form::Form(Platform& platform, const FormDesign& design)
    : platform_(platform), design_(design), state_(design.state), backColor_(design.backColor) {}

Form::~Form() = default;

void Form::Bind(const ControlList& list) {
    controls_ = list.topFirst;
    timers_.clear();
    for (Control* c : controls_) {
        if (c->kind == ControlKind::Timer) timers_.push_back(static_cast<Timer*>(c));
    }
}

void Form::Load() {
    if (peer_) return;
    ResetDesign();
    for (Control* c : controls_) c->owner = this;
    visible_ = false;
    pressed_ = nullptr;
    focusArea_ = {};
    focusButton_ = nullptr;
    state_ = design_.state;
    backColor_ = design_.backColor;
    peer_ = platform_.CreatePeer(*this);
    for (Control* c : controls_) {
        if (c->kind != ControlKind::Label) continue;
        auto* label = static_cast<Label*>(c);
        if (label->Get().autoSize)
            label->Fit(peer_->MeasureText(label->Get().font, label->Caption()));
    }
    for (const Timer* t : timers_) TimerChanged(*t);
    platform_.FormLoaded();
    Form_Load();
}

void Form::Show() {
    Load();
    if (!peer_ || visible_) return;
    visible_ = true;
    peer_->Show(nullptr);
}

void Form::ShowModal(Form& owner) {
    Load();
    if (!peer_ || visible_) return;
    visible_ = true;
    owner_ = &owner;
    owner.owned_.push_back(this);
    peer_->Show(&owner);
    platform_.RunModal(*this, &owner);
}

void Form::Hide() {
    Load();
    if (!peer_ || !visible_) return;
    visible_ = false;
    LeaveOwner();
    peer_->Hide();
}

void Form::LeaveOwner() {
    if (owner_) std::erase(owner_->owned_, this);
    owner_ = nullptr;
}

bool Form::Visible() {
    Load();
    return IsShown();
}

void Form::SetVisible(bool on) {
    if (on)
        Show();
    else
        Hide();
}

Handle Form::hWnd() {
    Load();
    return peer_ ? peer_->Hwnd() : 0;
}

Handle Form::Icon() {
    Load();
    return peer_ ? peer_->IconHandle() : 0;
}

Colour Form::BackColor() {
    Load();
    return backColor_;
}

void Form::SetBackColor(Colour c) {
    Load();
    if (backColor_ == c) return;
    backColor_ = c;
    if (peer_) peer_->Invalidate(nullptr);
}

void Form::SetWindowState(WindowState s) {
    Load();
    state_ = s;
    if (peer_) peer_->SetState(s);
}

void Form::SetBounds(const PixelRect& screen) {
    Load();
    if (peer_) peer_->SetBounds(screen);
}

void Form::CentreOn(const PixelRect& area) {
    Load();
    if (peer_) peer_->CentreOn(area);
}

PixelRect Form::WindowRect() {
    Load();
    return peer_ ? peer_->WindowRect() : PixelRect{};
}

void Form::FocusArea(const TwipsRect& area) {
    focusArea_ = area;
    focusButton_ = nullptr;
    if (peer_) peer_->FocusMoved();
}

void Form::FocusButton(const CommandButton& button) {
    focusButton_ = &button;
    if (peer_) peer_->FocusMoved();
}

void Form::SetFocus() {
    Load();
    if (peer_) peer_->Focus();
}

void Form::Unload() {
    if (!peer_ || unloading_) return;
    unloading_ = true;
    // The system destroys owned windows with their owner, so they unload
    // first, each saving what it would save at any unload.
    for (Form* f : std::vector<Form*>(owned_)) f->Unload();
    owned_.clear();
    Form_QueryUnload();
    for (const Timer* t : timers_) peer_->DisarmTimer(TimerId(*t));
    visible_ = false;
    pressed_ = nullptr;
    LeaveOwner();
    // Let go of the native window only after it is marked gone, so that
    // anything it dispatches while being destroyed sees an unloaded form.
    std::unique_ptr<WindowPeer> gone = std::move(peer_);
    gone.reset();
    unloading_ = false;
    platform_.FormUnloaded();
}

MouseArgs Form::Args(int button, int shift, PixelPoint p) const {
    return {button, shift, static_cast<float>(p.x) * platform_.TwipsPerPixelX(),
            static_cast<float>(p.y) * platform_.TwipsPerPixelY(), p};
}

Label* Form::LabelAt(float x, float y) const {
    for (Control* c : controls_) {
        if (c->kind != ControlKind::Label) continue;
        auto* label = static_cast<Label*>(c);
        if (label->Rect().Contains(x, y)) return label;
    }
    return nullptr;
}

void Form::DispatchMouseMove(int buttons, int shift, PixelPoint p) {
    if (!peer_) return;
    const MouseArgs e = Args(buttons, shift, p);
    if (Label* label = LabelAt(e.x, e.y))
        Control_MouseMove(*label);
    else
        Form_MouseMove(e);
}

void Form::DispatchMouseDown(int button, int shift, PixelPoint p) {
    if (!peer_) return;
    const MouseArgs e = Args(button, shift, p);
    pressed_ = LabelAt(e.x, e.y);
    if (!pressed_) Form_MouseDown(e);
}

void Form::DispatchMouseUp(int /*button*/, int /*shift*/, PixelPoint p) {
    if (!peer_) return;
    Label* pressed = pressed_;
    pressed_ = nullptr;
    const MouseArgs e = Args(0, 0, p);
    if (pressed && LabelAt(e.x, e.y) == pressed) Control_Click(*pressed);
}

void Form::DispatchTimer(int id) {
    if (!peer_ || id < 0 || id >= static_cast<int>(timers_.size())) return;
    Timer& t = *timers_[static_cast<std::size_t>(id)];
    if (!t.Enabled() || t.busy) return;
    t.busy = true;
    Timer_Tick(t);
    t.busy = false;
}

void Form::DispatchButtonClick(const CommandButton& button) {
    for (Control* c : controls_) {
        if (c == &button) {
            Control_Click(*c);
            return;
        }
    }
}

void Form::InvalidateTwips(const TwipsRect& area) {
    if (peer_) peer_->Invalidate(&area);
}

int Form::TimerId(const Timer& t) const {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (timers_[i] == &t) return static_cast<int>(i);
    }
    return -1;
}

void Form::TimerChanged(const Timer& t) {
    if (!peer_) return;
    const int id = TimerId(t);
    if (id < 0) return;
    if (t.Enabled() && t.Interval() > 0)
        peer_->ArmTimer(id, t.Interval());
    else
        peer_->DisarmTimer(id);
}

}  // namespace dv
