// The overlay's companions: one layer on every monitor but the primary (which
// the overlay covers), each in the look night mode gives it, kept on top
// with the overlay.
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

// How one layer looks now.
struct LayerLook {
    Colour colour = 0;
    std::uint8_t alpha = 0;
    bool shown = true;
    bool operator==(const LayerLook&) const = default;
};

class Screens {
   public:
    explicit Screens(Platform& host) : host_(host) {}

    // Lays the companions out again: one on each of `further` (the monitors
    // but the primary, or none), in the order given. A companion made now
    // takes `looks`' look at its place; one that stays keeps its own.
    void Layout(const std::vector<Monitor>& further, const std::vector<LayerLook>& looks);
    // Gives companion `i` this look, changing only what differs.
    void Style(std::size_t i, const LayerLook& look);
    void SetCaptureExclusion(const OsVersion& os, bool hide);
    // Each shown companion right below the window before it, starting under
    // `overlay`: top-most again with the overlay, and when nothing came
    // between them, without a change of the z-order at all.
    void Raise(Handle overlay);
    void UnloadAll();
    // A companion whose native window went: unloaded, and made again on its
    // monitor with the look it had.
    void Remake(FrmScreen& screen);
    const std::vector<std::unique_ptr<FrmScreen>>& All() const { return screens_; }
    const Monitor& MonitorOf(std::size_t i) const { return monitors_[i]; }

   private:
    void Make(std::size_t i);

    Platform& host_;
    bool hideInCaptures_ = false;
    OsVersion os_;
    std::vector<std::unique_ptr<FrmScreen>> screens_;
    std::vector<Monitor> monitors_;  // each companion's monitor
    std::vector<LayerLook> looks_;   // and its look
};

}  // namespace dv
