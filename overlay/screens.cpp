#include "overlay/screens.h"

#include "overlay/layer.h"
#include "resources/layout_night.h"

namespace dv {

FrmScreen::FrmScreen(Platform& platform, Screens& screens)
    : Form(platform, layout::kScreen), screens_(screens) {}

void FrmScreen::Form_SystemClose() { screens_.Remake(*this); }

void FrmScreen::Form_NativeGone() { screens_.Remake(*this); }

void Screens::Layout(bool on, const LayerLook& look) {
    look_ = look;
    const std::vector<PixelRect> monitors = host_.Monitors();
    const std::size_t wanted = on && monitors.size() > 1 ? monitors.size() - 1 : 0;
    monitors_.assign(monitors.begin() + static_cast<std::ptrdiff_t>(monitors.size() - wanted),
                     monitors.end());
    while (screens_.size() > wanted) {
        screens_.back()->Unload();
        screens_.pop_back();
    }
    for (std::size_t i = 0; i < wanted; ++i) {
        if (i < screens_.size()) {
            screens_[i]->SetBounds(monitors_[i]);
            continue;
        }
        Make(*screens_.emplace_back(std::make_unique<FrmScreen>(host_, *this)), monitors_[i]);
    }
}

void Screens::Make(FrmScreen& screen, const PixelRect& monitor) {
    screen.Load();
    screen.SetBounds(monitor);
    screen.SetBackColor(look_.colour);
    MakeNightLayer(host_, screen, look_.alpha);
    if (look_.hideInCaptures) dv::SetCaptureExclusion(host_, screen.hWnd(), look_.os, true);
    if (shown_) screen.Show();
}

void Screens::SetShown(bool shown) {
    if (shown_ == shown) return;
    shown_ = shown;
    for (auto& s : screens_) {
        if (!s->IsLoaded()) continue;
        if (shown)
            s->Show();
        else
            s->Hide();
    }
}

void Screens::Remake(FrmScreen& screen) {
    screen.Unload();
    for (std::size_t i = 0; i < screens_.size(); ++i)
        if (screens_[i].get() == &screen) Make(screen, monitors_[i]);
}

void Screens::SetAlpha(std::uint8_t alpha) {
    look_.alpha = alpha;
    for (auto& s : screens_) SetLayeredAlpha(host_, s->NativeHandle(), 0, alpha, kLwaAlpha);
}

void Screens::SetColour(Colour colour) {
    look_.colour = colour;
    for (auto& s : screens_) s->SetBackColor(colour);
}

void Screens::SetCaptureExclusion(const OsVersion& os, bool hide) {
    look_.os = os;
    look_.hideInCaptures = hide;
    for (auto& s : screens_) dv::SetCaptureExclusion(host_, s->NativeHandle(), os, hide);
}

// Reads each handle without loading: a companion is never left behind as a
// bare window that is neither shown nor layered.
void Screens::Raise(Handle overlay) {
    Handle above = overlay;
    for (auto& s : screens_) {
        const Handle h = s->NativeHandle();
        if (h == 0) continue;
        host_.SetWindowPos(h, above, 0, 0, 0, 0, kSwpNoMoveNoSize | kSwpNoActivate);
        above = h;
    }
}

void Screens::UnloadAll() {
    for (auto& s : screens_) s->Unload();
    screens_.clear();
    monitors_.clear();
}

}  // namespace dv
