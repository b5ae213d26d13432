#include "overlay/screens.h"

#include "overlay/layer.h"
#include "overlay/mdluser.h"
#include "resources/layout_night.h"

namespace dv {

FrmScreen::FrmScreen(Platform& platform) : Form(platform, layout::kScreen) {}

void Screens::Layout(bool on, const LayerLook& look) {
    const std::vector<PixelRect> monitors = host_.Monitors();
    const std::size_t wanted = on && monitors.size() > 1 ? monitors.size() - 1 : 0;
    while (screens_.size() > wanted) {
        screens_.back()->Unload();
        screens_.pop_back();
    }
    for (std::size_t i = 0; i < wanted; ++i) {
        if (i < screens_.size()) {
            screens_[i]->SetBounds(monitors[i + 1]);
            continue;
        }
        auto& screen = *screens_.emplace_back(std::make_unique<FrmScreen>(host_));
        screen.Load();
        screen.SetBounds(monitors[i + 1]);
        screen.SetBackColor(look.colour);
        MakeNightLayer(host_, screen, look.alpha);
        if (look.hideInCaptures) dv::SetCaptureExclusion(host_, screen.hWnd(), look.os, true);
        screen.Show();
    }
}

void Screens::SetAlpha(std::uint8_t alpha) {
    for (auto& s : screens_) SetLayeredAlpha(host_, s->hWnd(), 0, alpha, kLwaAlpha);
}

void Screens::SetColour(Colour colour) {
    for (auto& s : screens_) s->SetBackColor(colour);
}

void Screens::SetCaptureExclusion(const OsVersion& os, bool hide) {
    for (auto& s : screens_) dv::SetCaptureExclusion(host_, s->hWnd(), os, hide);
}

void Screens::Raise(Handle overlay) {
    Handle above = overlay;
    for (auto& s : screens_) {
        host_.SetWindowPos(s->hWnd(), above, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
        above = s->hWnd();
    }
}

void Screens::UnloadAll() {
    for (auto& s : screens_) s->Unload();
    screens_.clear();
}

}  // namespace dv
