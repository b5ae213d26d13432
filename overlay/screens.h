// The overlay's companions: one layer on every monitor but the primary (which
// the overlay covers), in the overlay's colour and alpha, kept on top with it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/form.h"

namespace dv {

class Screens;

// A layer over one further monitor: a window of the program like the others,
// with no controls of its own. Closed or destroyed from outside, it is made
// again at once as it was.
class FrmScreen : public Form {
   public:
    FrmScreen(Platform& platform, Screens& screens);

   protected:
    void ResetDesign() override {}
    void Form_SystemClose() override;
    void Form_NativeGone() override;

   private:
    Screens& screens_;
};

// How the layers look: what the overlay has now.
struct LayerLook {
    Colour colour = 0;
    std::uint8_t alpha = 0;
    bool hideInCaptures = false;
    OsVersion os;
};

class Screens {
   public:
    explicit Screens(Platform& host) : host_(host) {}

    // Lays the companions out again on the monitors there are now: one on
    // every monitor but the first (the primary), or none when `on` is false.
    void Layout(bool on, const LayerLook& look);
    void SetAlpha(std::uint8_t alpha);
    void SetColour(Colour colour);
    void SetCaptureExclusion(const OsVersion& os, bool hide);
    // Shows or hides every companion, and those made later.
    void SetShown(bool shown);
    // Each companion right below the window before it, starting under
    // `overlay`: top-most again with the overlay, and when nothing came
    // between them, without a change of the z-order at all.
    void Raise(Handle overlay);
    void UnloadAll();
    // A companion whose native window went: unloaded, and made again on its
    // monitor with the look the layers have now.
    void Remake(FrmScreen& screen);
    const std::vector<std::unique_ptr<FrmScreen>>& All() const { return screens_; }

   private:
    void Make(FrmScreen& screen, const PixelRect& monitor);

    Platform& host_;
    LayerLook look_;
    bool shown_ = true;
    std::vector<std::unique_ptr<FrmScreen>> screens_;
    std::vector<PixelRect> monitors_;  // each companion's monitor
};

}  // namespace dv
