#include "overlay/screens.h"

#include "overlay/layer.h"
#include "resources/layout_night.h"

namespace dv {

FrmScreen::FrmScreen(Platform& platform, Screens& screens)
    : Form(platform, layout::kScreen), screens_(screens) {}

void FrmScreen::Form_SystemClose() { screens_.Remake(*this); }

void FrmScreen::Form_NativeGone() { screens_.Remake(*this); }

void Screens::Layout(const std::vector<Monitor>& further, const std::vector<LayerLook>& looks) {
    const std::size_t wanted = further.size();
    while (screens_.size() > wanted) {
        screens_.back()->Unload();
        screens_.pop_back();
    }
    monitors_ = further;
    looks_.resize(screens_.size());
    for (std::size_t i = 0; i < wanted; ++i) {
        if (i < screens_.size()) {
            screens_[i]->SetBounds(monitors_[i].rect);
            continue;
        }
        screens_.emplace_back(std::make_unique<FrmScreen>(host_, *this));
        looks_.push_back(looks[i]);
        Make(i);
    }
}

void Screens::Make(std::size_t i) {
    FrmScreen& screen = *screens_[i];
    const LayerLook& look = looks_[i];
    screen.Load();
    screen.SetBounds(monitors_[i].rect);
    screen.SetBackColor(look.colour);
    MakeNightLayer(host_, screen, look.alpha);
    if (hideInCaptures_) dv::SetCaptureExclusion(host_, screen.hWnd(), os_, true);
    if (look.shown) screen.Show();
}

void Screens::Style(std::size_t i, const LayerLook& look) {
    LayerLook& now = looks_[i];
    FrmScreen& screen = *screens_[i];
    if (!screen.IsLoaded()) {
        now = look;
        return;
    }
    if (look.alpha != now.alpha)
        SetLayeredAlpha(host_, screen.NativeHandle(), 0, look.alpha, kLwaAlpha);
    if (look.colour != now.colour) screen.SetBackColor(look.colour);
    if (look.shown != now.shown) {
        if (look.shown)
            screen.Show();
        else
            screen.Hide();
    }
    now = look;
}

void Screens::Remake(FrmScreen& screen) {
    screen.Unload();
    for (std::size_t i = 0; i < screens_.size(); ++i)
        if (screens_[i].get() == &screen) Make(i);
}

void Screens::SetCaptureExclusion(const OsVersion& os, bool hide) {
    os_ = os;
    hideInCaptures_ = hide;
    for (auto& s : screens_) dv::SetCaptureExclusion(host_, s->NativeHandle(), os, hide);
}

// Reads each handle without loading: a companion is never left behind as a
// bare window that is neither shown nor layered.
void Screens::Raise(Handle overlay) {
    Handle above = overlay;
    for (std::size_t i = 0; i < screens_.size(); ++i) {
        const Handle h = screens_[i]->NativeHandle();
        if (h == 0 || !looks_[i].shown) continue;
        host_.SetWindowPos(h, above, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
        above = h;
    }
}

void Screens::UnloadAll() {
    for (auto& s : screens_) s->Unload();
    screens_.clear();
    monitors_.clear();
    looks_.clear();
}

}  // namespace dv
