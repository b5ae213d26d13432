// The settings window: colour swatch, brightness slider, the "×" that closes
// it back to the tray, and the button that turns night mode off.
#pragma once

#include "platform/form.h"
#include "resources/layout_set.h"

namespace dv {

class Program;

class FrmSet : public Form, public layout::SetControls {
   public:
    explicit FrmSet(Program& program);

   protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_MouseMove(const MouseArgs& e) override;
    void Form_MouseDown(const MouseArgs& e) override;
    void Control_MouseMove(Control& c) override;
    void Control_Click(Control& c) override;
    void ResetDesign() override;

   private:
    void cmdExit_Click();
    void Label2_Click();
    void Label2_MouseMove();
    void Label5_Click();
    void Label5_MouseMove();
    void lbColor_Click();
    void PlaceKnob();
    bool OverlayLives() const;

    Program& program_;
};

}  // namespace dv
