// The level as it changes: a small label near the bottom middle of a
// monitor that shows the brightness a hot key or a command set, then fades.
// It stays above the layers, so it is never tinted, and never takes the
// keyboard or the mouse.
#pragma once

#include <string>

#include "forms/user_context.h"
#include "platform/form.h"
#include "resources/layout_night.h"
#include "settings/scheme.h"

namespace dv {

class FrmLevel : public Form, public layout::LevelControls {
   public:
    FrmLevel(Platform& host, UserContext& context);

    // Shows `text` on `monitor` for 1.5 s, then fades it out; a new text
    // while it shows takes the old one's place and its time starts again.
    // `hideInCaptures`: kept out of captures, as the layers are.
    void ShowOn(const Monitor& monitor, const std::string& text, bool hideInCaptures);
    // Top-most again, above the layers.
    void Raise();
    // Gone at once, its fade and all.
    void Vanish();
    // The monitor it shows on, as last placed.
    const Monitor& Where() const { return monitor_; }
    static constexpr int kFadeSteps = 8;

   protected:
    void ResetDesign() override;
    void Form_LanguageChanged() override;
    void Form_Load() override;
    void Form_SchemeChanged() override;
    void Timer_Tick(Timer& t) override;

   private:
    void ApplyScheme();

    UserContext& context_;
    Look look_;
    int fade_ = 0;  // steps of the fade done
    Monitor monitor_;
};

}  // namespace dv
