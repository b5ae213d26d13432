// Windowless controls as plain data: bounds, content and colours. The form
// that holds them does the layout and hit-testing; only the backend paints.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace dv {

class Form;

struct Font {
    const char* face = "宋体";
    float points = 9;
    bool bold = false;
    int charset = 134;  // GB2312
};

// Latin and Cyrillic texts take the system's Latin interface face (from
// Vista on) at the size and weight the Chinese have.
constexpr Font Latin(const Font& chinese) { return {"Segoe UI", chinese.points, chinese.bold, 1}; }

enum class ControlKind { Label, Line, Button, Timer };

struct Control;

// A window's controls in the order they are declared, which is their
// z-order, top first: each control declared with the list joins it, so a
// control cannot be declared and then left out. Copying a window's controls
// (back to their design values) leaves each list with its own members.
struct ControlList {
    ControlList() = default;
    ControlList(const ControlList&) {}
    ControlList& operator=(const ControlList&) { return *this; }
    std::vector<Control*> topFirst;
};

// Every control knows the form it sits on, so that a property change can
// repaint just the control. The form sets `owner` when it loads.
struct Control {
    explicit Control(ControlKind k) : kind(k) {}
    Control(ControlKind k, ControlList& list) : kind(k) { list.topFirst.push_back(this); }
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;
    ControlKind kind;
    Form* owner = nullptr;

   protected:
    void Repaint(const TwipsRect& area) const;
};

enum class Align { Left, Centre };

struct LabelDesign {
    TwipsRect rect;
    std::string caption;
    Colour foreColor = 0;
    Colour backColor = 0xFFFFFF;
    bool opaque = false;  // false: the window shows through behind the text
    bool border = false;
    Align align = Align::Left;
    bool autoSize = false;
    Font font;
};

class Label : public Control {
   public:
    Label() : Control(ControlKind::Label) {}
    explicit Label(LabelDesign d) : Control(ControlKind::Label), d_(std::move(d)) {}
    Label(ControlList& list, LabelDesign d) : Control(ControlKind::Label, list), d_(std::move(d)) {}

    const LabelDesign& Get() const { return d_; }
    const TwipsRect& Rect() const { return d_.rect; }
    float Top() const { return d_.rect.top; }
    float Height() const { return d_.rect.height; }
    const std::string& Caption() const { return d_.caption; }
    Colour ForeColor() const { return d_.foreColor; }
    Colour BackColor() const { return d_.backColor; }

    void SetCaption(std::string text);
    // A language's text, in its face.
    void Translate(const char* text, const Font& font);
    void SetForeColor(Colour c);
    void SetBackColor(Colour c);
    // Width and height follow the text; left and top stay.
    void Fit(TwipsSize textSize);
    // Moves the label so that it ends `gap` before `x` (not past the
    // window's left edge), or so that it begins at `left`.
    void EndBefore(float x, float gap);
    void MoveTo(float left);

   private:
    LabelDesign d_;
};

struct LineDesign {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour color = 0;
    int widthPx = 1;
};

// Lines take no mouse input: events over them reach the window's own handlers.
class Line : public Control {
   public:
    Line() : Control(ControlKind::Line) {}
    explicit Line(LineDesign d) : Control(ControlKind::Line), d_(d) {}
    Line(ControlList& list, LineDesign d) : Control(ControlKind::Line, list), d_(d) {}

    const LineDesign& Get() const { return d_; }
    float X1() const { return d_.x1; }
    float X2() const { return d_.x2; }
    Colour BorderColor() const { return d_.color; }

    void SetX1(float x);
    void SetX2(float x);
    void SetBorderColor(Colour c);
    // The area the line covers on screen, in twips, given the pixel size.
    TwipsRect Bounds(float twipsPerPixel) const;

   private:
    void Moved(const LineDesign& before);
    LineDesign d_;
};

struct ButtonDesign {
    TwipsRect rect;
    std::string caption;
    Colour backColor = 0xC0C0C0;
    Font font;
    Colour foreColor = kSysButtonText;
};

// The one real child control: it takes the keyboard focus.
class CommandButton : public Control {
   public:
    CommandButton() : Control(ControlKind::Button) {}
    explicit CommandButton(ButtonDesign d) : Control(ControlKind::Button), d_(std::move(d)) {}
    CommandButton(ControlList& list, ButtonDesign d)
        : Control(ControlKind::Button, list), d_(std::move(d)) {}
    const ButtonDesign& Get() const { return d_; }
    void SetColours(Colour fore, Colour back);
    // A language's text, in its face.
    void Translate(const char* text, const Font& font);

   private:
    ButtonDesign d_;
};

struct TimerDesign {
    unsigned intervalMs = 0;
    bool enabled = false;
};

class Timer : public Control {
   public:
    Timer() : Control(ControlKind::Timer) {}
    Timer(ControlList& list, TimerDesign d)
        : Control(ControlKind::Timer, list), interval_(d.intervalMs), enabled_(d.enabled) {}

    unsigned Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // A handler that is still running (say, inside a modal window it opened)
    // is not entered again by later ticks.
    bool busy = false;

   private:
    unsigned interval_ = 0;
    bool enabled_ = false;
};

// Puts each of `controls` back to the values of the one at its place in
// `design`: a fresh copy of the same window's controls.
void ResetControls(const ControlList& controls, const ControlList& design);

// The colour dialog component: Color holds the colour last confirmed in it.
class CommonDialog {
   public:
    Colour Color = 0;
    // Shows the modal Color dialog over `owner`; true when a colour was
    // confirmed (it is then in Color), false on cancel.
    bool ShowColor(Form& owner);
};

}  // namespace dv
