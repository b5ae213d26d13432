// Night mode at a time of day of the test's choosing.
#pragma once

#include "fixture.h"
#include "overlay/tray_menu.h"
#include "settings/schedule.h"

namespace dv::fake {

inline constexpr CivilDate kToday{2026, 12, 7};

class Night : public ProgramTest {
   protected:
    // The wall clock reads this local time now.
    void ClockAt(int hour, int minute, int second = 0, int offset = 0) {
        const std::int64_t local = DaysFromCivil(kToday) * 86400 + hour * 3600 + minute * 60 + second;
        fake.wallStart = local - offset * 60 - fake.now / 1000;
        fake.offsetMinutes = offset;
    }
    // Started with the clock at 5 s before this time, so that the overlay
    // loads at it.
    void LaunchAt(int hour, int minute, int second = 0) {
        ClockAt(hour, minute, second);
        fake.wallStart -= 5;
        LaunchToNight();
    }
    bool Shown() {
        const FakeWindow* w = fake.WindowOf(program.frmNight);
        return w && w->visible;
    }
    int Alpha() { return *fake.WindowOf(program.frmNight)->alpha; }
    int Raises() { return fake.Count("SetWindowPos", OverlayHwnd()); }
    // The sun's item in the last menu: its name, then sunset and sunrise in
    // minutes after midnight, in the order the item shows them.
    struct SunItem {
        std::string name;
        int sunset = -1, sunrise = -1;
    };
    SunItem SunShown() {
        const std::string text = Item(menu::kSun).text;
        const auto at = [&text](std::size_t i) {
            return std::stoi(text.substr(i, 2)) * 60 + std::stoi(text.substr(i + 3, 2));
        };
        return {text.substr(0, text.find(" (")), at(text.find('(') + 1), at(text.find("– ") + 4)};
    }
};

}  // namespace dv::fake
