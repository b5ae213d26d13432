// What the layers step aside for: a program the user listed, in front (every
// layer goes), or a full-screen program in front (the layer of the monitor
// it covers goes); and whether the window in front is watched at all, which
// it is only while an option asks for it.
#pragma once

#include <string>
#include <vector>

#include "overlay/front.h"
#include "overlay/program_list.h"

namespace dv {

class StepAside {
   public:
    StepAside(Platform& host, Store& store) : host_(host), programs_(host, store) {}

    ProgramList& Programs() { return programs_; }
    const ProgramList& Programs() const { return programs_; }

    // Watches the window in front through `watcher` while night mode runs
    // and full-screen programs or listed ones are stepped aside for; when
    // it stops, nothing is stepped aside for.
    void Watch(Form& watcher, bool running, bool pauseFullScreen);
    bool Watching() const { return watching_; }

    // The window in front now; true when what is stepped aside for changed.
    bool FrontChanged(const FrontWindow& front, const std::vector<Monitor>& monitors,
                      bool pauseFullScreen);
    // Every layer steps aside, for a listed program.
    bool All() const { return all_; }
    // The layer over the monitor with that identity steps aside.
    bool Hides(const std::string& monitor) const {
        return all_ || (!monitor_.empty() && monitor == monitor_);
    }
    // Full-screen programs, or the listed ones, are stepped aside for no more.
    void ForgetFullScreen() { monitor_.clear(); }
    void ForgetListed() { all_ = false; }

   private:
    Platform& host_;
    ProgramList programs_;
    bool watching_ = false;
    bool all_ = false;
    std::string monitor_;  // the identity of the monitor a full-screen program covers
};

}  // namespace dv
