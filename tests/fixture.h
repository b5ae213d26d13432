// One running program on the test backend, with helpers that name its steps.
#pragma once

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "settings/slider.h"
#include "startup/program.h"

namespace dv::fake {

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
    void CloseWithX() { fake.ClickControl(program.frmSet, program.frmSet.Label2); }
    Handle OverlayHwnd() { return program.frmNight.NativeHandle(); }
    std::string Stored(const std::string& key) {
        auto it = fake.store.find(key);
        return it == fake.store.end() ? "<none>" : it->second.text;
    }
    void Put(const std::string& key, const std::string& text) {
        fake.store[key] = {StoredText::Kind::Text, text};
    }

    FakePlatform fake;
    Program program{fake};
};

}  // namespace dv::fake
