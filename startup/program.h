// The program: night mode and its three windows. Each window exists at most
// once and is reached by its name.
#pragma once

#include "forms/desk.h"
#include "forms/frm_night.h"
#include "forms/frm_set.h"
#include "forms/frm_splash.h"
#include "overlay/night_mode.h"

namespace dv {

class Program : public Desk {
   public:
    explicit Program(Platform& platform);

    // Loads the start-up window and shows it; the message loop does the rest.
    void Start();

    Language language() const override { return language_; }
    Handle StartedFrom() const override { return startedFrom_; }
    bool HoldsForeground() override;
    void GiveForegroundTo(Handle user) override;
    bool IsOurs(Handle h) const override;

    Platform& host;
    FrmSplash frmSplash;
    FrmNight frmNight;
    FrmSet frmSet;
    NightMode night;

   private:
    // The language of every text the user reads, chosen at the start.
    Language language_ = Language::Chinese;
    Handle startedFrom_ = 0;
};

}  // namespace dv
