// The settings window: colour swatch, brightness slider, the "×" that closes
// it back to the tray, and the button that turns night mode off.
#pragma once

#include <array>
#include <string>

#include "forms/user_context.h"
#include "overlay/night_mode.h"
#include "platform/form.h"
#include "resources/layout_set.h"
#include "settings/scheme.h"

namespace dv {

class FrmSplash;

class FrmSet : public Form, public layout::SetControls {
   public:
    FrmSet(Platform& host, UserContext& context, NightMode& night, FrmSplash& frmSplash);
    // The window that had the keyboard before this one opened, to have it
    // back when this one closes.
    void OpenedFrom(Handle user) { returnTo_ = user; }
    // The knob follows a strength changed elsewhere (the hot keys).
    void ShowStrength();
    // Shows the tint on the swatch (unless high contrast draws it in the
    // system's colours) and on the knob.
    void ShowTint();
    std::vector<AccessiblePart> AccessibleParts() override;
    void AccessiblePress(int index) override;
    void AccessibleFocus(int index) override;

   protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Form_MouseDown(const MouseArgs& e) override;
    void Control_MouseMove(Control& c) override;
    void Control_Click(Control& c) override;
    void Form_SchemeChanged() override;
    void Form_KeyDown(int vk, int shift) override;
    void Form_Moved() override;
    void ResetDesign() override;
    void Form_LanguageChanged() override;

   private:
    void cmdExit_Click();
    void Label2_Click();
    void Label2_MouseMove();
    void Label5_Click();
    void Label5_MouseMove();
    void lbColor_Click();
    void PlaceKnob();
    void ShowTexts(const layout::SetControls& design);
    void PlaceCaptions(const layout::SetControls& design);
    // Edits the level of `m` from now on, and names it.
    void Edit(const Monitor& m);
    // The parts that take the keyboard, in the order Tab goes round them.
    enum class Part { Slider, Swatch, Close, Link, TurnOff, Count };
    // What each is: the control that draws it (none for the slider), what
    // a screen reader calls it, where it stands, and what pressing it does
    // (nothing for the slider), all in one table.
    struct KeyPart {
        const Control* control;
        AccessibleRole role;
        std::string name;
        TwipsRect rect;
        const char* action;
        void (FrmSet::*press)();
    };
    std::array<KeyPart, static_cast<std::size_t>(Part::Count)> KeyParts() const;
    void FocusOn(Part part);
    TwipsRect SliderBand() const;
    void Press(Part part);
    // The strength set from the keyboard, as a drag sets it.
    void SetStrength(int alpha);
    // Design colours where they read, the system's where they do not.
    void ApplyScheme();

    UserContext& context_;
    NightMode& night_;
    FrmSplash& frmSplash_;
    Handle returnTo_ = 0;
    // The identity of the monitor whose level the window edits while each
    // has its own; empty: the shared level.
    std::string monitor_;
    Part focus_ = Part::Slider;
    Look look_;
    SystemColours sys_;
    ColourPair closeRest_, closeHover_;
};

}  // namespace dv
