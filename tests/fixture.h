// One running program on the test backend, with helpers that name its steps.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "fake/fake_platform.h"
#include "settings/slider.h"
#include "startup/program.h"

namespace dv::fake {

// An item of a menu by its id, submenus included; null if there is none.
inline const MenuItem* FindItem(const std::vector<MenuItem>& items, int id) {
    for (const MenuItem& item : items) {
        if (item.id == id) return &item;
        if (const MenuItem* inner = FindItem(item.sub, id)) return inner;
    }
    return nullptr;
}

// A value in the store, as text.
inline void Store(FakePlatform& f, const std::string& key, const std::string& text) {
    f.store[key] = {StoredText::Kind::Text, text};
}

// A program of its own, set up by `before` and started `ms` into its
// countdown (through it, by default): one row of a table.
struct Started {
    explicit Started(const std::function<void(FakePlatform&)>& before = {}, int ms = 5000) {
        if (before) before(fake);
        fake.Launch([this] { program.Start(); });
        fake.Advance(ms);
    }
    ~Started() { fake.Stop(); }
    FakePlatform fake;
    Program program{fake};
};

class ProgramTest : public ::testing::Test {
   protected:
    ~ProgramTest() override { fake.Stop(); }

    void Launch() {
        fake.Launch([this] { program.Start(); });
    }
    // Start-up through the countdown: the overlay is up after five ticks.
    void LaunchToNight() {
        Launch();
        fake.Advance(5000);
    }
    void OpenWithF7() {
        fake.F7Down();
        fake.Advance(100);
        fake.F7Up();
    }
    void OpenFromTray() { fake.TrayNotify(program.frmNight, kWmLButtonDown); }
    // A right click on the icon, and a command picked in its menu (0: the
    // menu dismissed).
    void PickInMenu(int command) {
        fake.TrayNotify(program.frmNight, kWmRButtonUp);
        fake.AnswerMenu(command);
    }
    // An item of the last menu shown, by its id.
    const MenuItem& Item(int id) {
        const MenuItem* item = fake.menus.empty() ? nullptr : FindItem(fake.menus.back(), id);
        if (!item) throw std::runtime_error("no such item");
        return *item;
    }
    void CloseWithX() { fake.ClickControl(program.frmSet, program.frmSet.closeMark); }
    Handle OverlayHwnd() { return program.frmNight.NativeHandle(); }
    std::string Stored(const std::string& key) {
        auto it = fake.store.find(key);
        return it == fake.store.end() ? "<none>" : it->second.text;
    }
    void Put(const std::string& key, const std::string& text) { Store(fake, key, text); }

    FakePlatform fake;
    Program program{fake};
};

}  // namespace dv::fake
