#include "platform/controls.h"

#include <algorithm>

#include "platform/form.h"

namespace dv {

void Control::Repaint(const TwipsRect& area) const {
    if (owner) owner->InvalidateTwips(area);
}

void ResetControls(const ControlList& controls, const ControlList& design) {
    for (std::size_t i = 0; i < controls.topFirst.size(); ++i) {
        Control& c = *controls.topFirst[i];
        const Control& d = *design.topFirst[i];
        switch (c.kind) {
            case ControlKind::Label:
                static_cast<Label&>(c) = static_cast<const Label&>(d);
                break;
            case ControlKind::Line:
                static_cast<Line&>(c) = static_cast<const Line&>(d);
                break;
            case ControlKind::Button:
                static_cast<CommandButton&>(c) = static_cast<const CommandButton&>(d);
                break;
            case ControlKind::Timer:
                static_cast<Timer&>(c) = static_cast<const Timer&>(d);
                break;
        }
    }
}

void Label::SetCaption(std::string text) {
    if (d_.caption == text) return;
    const TwipsRect before = d_.rect;
    d_.caption = std::move(text);
    if (d_.autoSize && owner && owner->Peer()) Fit(owner->Peer()->MeasureText(d_.font, d_.caption));
    Repaint(before);
    Repaint(d_.rect);
}

void Label::Translate(const char* text, const Font& font) {
    d_.font = font;
    d_.caption.clear();  // measured again, in the new face
    SetCaption(text);
}

void CommandButton::Translate(const char* text, const Font& font) {
    d_.caption = text;
    d_.font = font;
    Repaint(d_.rect);
}

void Label::SetForeColor(Colour c) {
    if (d_.foreColor == c) return;
    d_.foreColor = c;
    Repaint(d_.rect);
}

void Label::SetBackColor(Colour c) {
    if (d_.backColor == c) return;
    d_.backColor = c;
    if (d_.opaque) Repaint(d_.rect);
}

void Label::EndBefore(float x, float gap) {
    const TwipsRect before = d_.rect;
    d_.rect.left = std::max(0.0f, x - gap - d_.rect.width);
    Repaint(before);
    Repaint(d_.rect);
}

void Label::MoveTo(float left) {
    const TwipsRect before = d_.rect;
    d_.rect.left = left;
    Repaint(before);
    Repaint(d_.rect);
}

void Label::Fit(TwipsSize textSize) {
    d_.rect.width = textSize.width;
    d_.rect.height = textSize.height;
}

void Line::SetX1(float x) {
    if (d_.x1 == x) return;
    const LineDesign before = d_;
    d_.x1 = x;
    Moved(before);
}

void Line::SetX2(float x) {
    if (d_.x2 == x) return;
    const LineDesign before = d_;
    d_.x2 = x;
    Moved(before);
}

void Line::SetBorderColor(Colour c) {
    if (d_.color == c) return;
    d_.color = c;
    if (owner) Repaint(Bounds(owner->TwipsPerPixel()));
}

void Line::Moved(const LineDesign& before) {
    if (!owner) return;
    const float tpp = owner->TwipsPerPixel();
    Repaint(Line(before).Bounds(tpp));
    Repaint(Bounds(tpp));
}

TwipsRect Line::Bounds(float twipsPerPixel) const {
    // The pen is widthPx pixels at 96 dots per inch and grows with the
    // screen, so in twips it is as wide at every density. Half of it on every
    // side, plus two pixels for the rounding to whole pixels.
    const float pad =
        static_cast<float>(d_.widthPx) * kTwipsPerPixelAt96 / 2.0f + 2.0f * twipsPerPixel;
    const float left = std::min(d_.x1, d_.x2) - pad;
    const float top = std::min(d_.y1, d_.y2) - pad;
    return {left, top, std::max(d_.x1, d_.x2) + pad - left, std::max(d_.y1, d_.y2) + pad - top};
}

void CommandButton::SetColours(Colour fore, Colour back) {
    if (d_.foreColor == fore && d_.backColor == back) return;
    d_.foreColor = fore;
    d_.backColor = back;
    Repaint(d_.rect);
}

void Timer::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    if (owner) owner->TimerChanged(*this);
}

bool CommonDialog::ShowColor(Form& owner) {
    const std::optional<Colour> chosen = owner.System().PickColour(owner);
    if (!chosen) return false;
    Color = *chosen;
    return true;
}

}  // namespace dv
