#include "forms/frm_level.h"

#include <algorithm>
#include <cmath>

#include "overlay/layer.h"

namespace dv {

FrmLevel::FrmLevel(Platform& host, UserContext& context)
    : Form(host, layout::kLevel), context_(context) {
    Bind(controls);
}

void FrmLevel::ResetDesign() {
    const layout::LevelControls design;
    ResetControls(controls, design.controls);
    level.Translate("", context_.FontFor(design.level.Get().font));
}

// A level said in the language before goes; the next is said in the
// language's face.
void FrmLevel::Form_LanguageChanged() {
    Vanish();
    level.Translate("", context_.FontFor(layout::LevelControls().level.Get().font));
}

void FrmLevel::Form_Load() {
    MakeNightLayer(System(), *this, 255);
    ApplyScheme();
}

// Under high contrast, in the scheme's own colours.
void FrmLevel::ApplyScheme() {
    look_.system = System().GetSystemColours().highContrast;
    SetBackColor(look_.Surface(layout::kLevelBack));
    level.SetBackColor(look_.Surface(layout::kLevelBack));
    level.SetForeColor(look_.Text(0xFFFFFF));
}

void FrmLevel::Form_SchemeChanged() { ApplyScheme(); }

void FrmLevel::ShowOn(const Monitor& monitor, const std::string& text, bool hideInCaptures) {
    Load();
    monitor_ = monitor;
    level.SetCaption(text);
    SetCaption(text);
    // Its size in pixels of the system's density, from the text's; a tenth
    // of the monitor's height above its bottom edge.
    const float tpp = TwipsPerPixel();
    const int w = static_cast<int>(std::lround((level.Rect().width + 2 * layout::kLevelPadX) / tpp));
    const int h = static_cast<int>(std::lround((level.Rect().height + 2 * layout::kLevelPadY) / tpp));
    const PixelRect& m = monitor.rect;
    const int left = m.left + (m.right - m.left - w) / 2;
    const int top = m.bottom - h - (m.bottom - m.top) / 10;
    SetBounds({left, top, left + w, top + h});
    SetLayeredAlpha(System(), hWnd(), 0, 255, kLwaAlpha);
    SetCaptureExclusion(System(), hWnd(), System().WindowsVersion(), hideInCaptures);
    Show();
    Raise();
    fade_ = 0;
    levelFade.SetEnabled(false);
    levelShown.SetEnabled(false);
    levelShown.SetEnabled(true);
    TellTextChanged();
}

void FrmLevel::Raise() {
    if (IsShown())
        System().SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
}

void FrmLevel::Timer_Tick(Timer& t) {
    if (&t == &levelShown) {
        levelShown.SetEnabled(false);
        levelFade.SetEnabled(true);
        return;
    }
    if (++fade_ < kFadeSteps) {
        SetLayeredAlpha(System(), hWnd(), 0, static_cast<std::uint8_t>(255 - 255 * fade_ / kFadeSteps),
                        kLwaAlpha);
        return;
    }
    Vanish();
}

void FrmLevel::Vanish() {
    levelShown.SetEnabled(false);
    levelFade.SetEnabled(false);
    Hide();
}

}  // namespace dv
