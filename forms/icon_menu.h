// The tray icon's menu: built from night mode's state, and a pick carried
// out on it.
#pragma once

#include <string>
#include <vector>

#include "forms/user_context.h"
#include "overlay/night_mode.h"
#include "settings/start_at_log_on.h"

namespace dv {

class IconMenu {
   public:
    IconMenu(Platform& host, UserContext& context, NightMode& night)
        : host_(host), context_(context), night_(night) {}

    // Shows the menu over `owner` with `hotKeys` as the hot keys' item, and
    // carries out the pick. Returns the pick when it is the overlay's to
    // carry out (the settings window, the hot keys), else menu::kNone.
    int Run(Form& owner, Handle user, const std::string& hotKeys);

   private:
    std::vector<MenuItem> ScheduleItems();
    std::vector<MenuItem> BacklightItems();
    std::vector<MenuItem> PauseItems();
    std::vector<MenuItem> LanguageItems();
    std::vector<MenuItem> WarmthItems();
    std::string ProgramOf(Handle user);

    Platform& host_;
    UserContext& context_;
    NightMode& night_;
};

}  // namespace dv
