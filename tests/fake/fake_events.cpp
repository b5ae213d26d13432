// What a test does to the program: the mouse, keys, the tray, the system's
// notices and other copies' requests, each run on the program's thread.
#include "fake_platform.h"

#include <cmath>

namespace dv::fake {

PixelPoint FakePlatform::ToPixels(float xTw, float yTw) const {
    return {static_cast<int>(std::lround(xTw / tpp)), static_cast<int>(std::lround(yTw / tpp))};
}

void FakePlatform::MouseMove(Form& f, float x, float y, int buttons) {
    Run([&f, buttons, p = ToPixels(x, y)] { f.DispatchMouseMove(buttons, 0, p); });
}

void FakePlatform::MouseDown(Form& f, float x, float y, int button) {
    Run([&f, button, p = ToPixels(x, y)] { f.DispatchMouseDown(button, 0, p); });
}

void FakePlatform::ClickControl(Form& f, const Label& label) {
    const TwipsRect& r = label.Rect();
    // The centre, on whole pixels.
    const float x = std::floor((r.left + r.width / 2) / tpp) * tpp;
    const float y = std::floor((r.top + r.height / 2) / tpp) * tpp;
    MouseDown(f, x, y, kLeftButton);
    Run([&f, p = ToPixels(x, y)] { f.DispatchMouseUp(kLeftButton, 0, p); });
}

void FakePlatform::ClickButton(Form& f, const CommandButton& b) {
    Run([&f, &b] { f.DispatchButtonClick(b); });
}

void FakePlatform::TrayNotify(Form& overlay, unsigned message) {
    Run([&overlay, message] { overlay.DispatchMouseMove(0, 0, {static_cast<int>(message), 0}); });
}

void FakePlatform::F7Down() {
    Run([this] {
        f7Down_ = true;
        f7Pressed_ = true;
    });
}

void FakePlatform::F7Up() {
    Run([this] { f7Down_ = false; });
}

void FakePlatform::AnswerColour(std::optional<Colour> c) {
    Run([this, c] { dialogAnswer_ = c; });
}

void FakePlatform::AnswerMenu(int id) {
    Run([this, id] {
        if (menuOpen) menuAnswer_ = id;
    });
}

Handle FakePlatform::UserWindow() {
    const Handle h = nextHandle += 4;
    const auto open = [this, h] {
        outsideWindows[h];
        foreground = h;
    };
    if (thread_.joinable())
        Run(open);
    else
        open();  // before the program starts
    return h;
}

void FakePlatform::ChangeColours(const SystemColours& changed) {
    Run([this, changed] {
        colours = changed;
        for (auto& [h, w] : std::map<Handle, FakeWindow>(windows))
            if (windows.count(h)) w.form->DispatchSchemeChanged();
    });
}

void FakePlatform::SystemClose(Form& f) {
    Run([&f] { f.RequestUnload(); });
}

void FakePlatform::NativeDestroy(Form& f) {
    Run([&f] { f.NativeWindowGone(); });
}

std::vector<Monitor> FakePlatform::Monitors() {
    std::vector<Monitor> all;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (i < monitorNames.size())
            all.emplace_back(monitors[i], monitorNames[i].first, monitorNames[i].second);
        else
            all.emplace_back(monitors[i], "\\\\.\\DISPLAY" + std::to_string(i + 1));
    }
    return all;
}

void FakePlatform::MoveWindow(Form& f, const PixelRect& where) {
    Run([this, &f, where] {
        if (FakeWindow* w = WindowOf(f)) w->bounds = where;
        f.DispatchMoved();
    });
}

void FakePlatform::ChangeMonitors(Form& overlay, std::vector<PixelRect> screens,
                                  std::vector<std::pair<std::string, std::string>> names) {
    Run([this, &overlay, screens = std::move(screens), names = std::move(names)] {
        monitors = screens;
        monitorNames = names;
        overlay.DispatchDisplayChanged();
    });
}

void FakePlatform::KeyDown(Form& f, int vk, int shift) {
    Run([&f, vk, shift] { f.DispatchKeyDown(vk, shift); });
}

void FakePlatform::PressHotKey(unsigned modifiers, unsigned vk) {
    Run([this, modifiers, vk] {
        const auto it = hotKeys.find({modifiers, vk});
        if (it == hotKeys.end()) return;
        const auto w = windows.find(it->second.first);
        if (w != windows.end()) w->second.form->DispatchHotKey(it->second.second);
    });
}

std::uint32_t FakePlatform::SendRequest(Form& overlay, std::uint32_t mark, std::string bytes) {
    requestAnswer_.reset();
    Run([this, &overlay, mark, bytes = std::move(bytes)] {
        const std::uint32_t answer = overlay.IsLoaded() ? CarryRequest(mark, bytes) : 0;
        if (!requestAnswer_) requestAnswer_ = answer;
    });
    return requestAnswer_.value_or(0);
}

void FakePlatform::AnswerRequest(std::uint32_t answer) {
    Record("AnswerRequest", {answer});
    if (!requestAnswer_) requestAnswer_ = answer;
}

RuntimeServices::Handed FakePlatform::HandOver(std::uint32_t mark, std::string_view bytes,
                                               bool untilEnded, unsigned waitMs) {
    Record("HandOver", {mark, untilEnded, waitMs});
    handedOver.emplace_back(bytes);
    return handOverAnswer;
}

bool FakePlatform::StartCopy() {
    Record("StartCopy", {});
    copiesStarted += startWorks;
    return startWorks;
}

bool FakePlatform::Say(std::string_view text, bool error) {
    if (!console) return false;
    said.push_back((error ? "error: " : "") + std::string(text));
    return true;
}

void FakePlatform::SetClock(std::int64_t utc, int offset, bool tell) {
    Run([this, utc, offset, tell] {
        wallStart = utc - now / 1000;
        offsetMinutes = offset;
        if (!tell) return;
        for (auto& [h, w] : std::map<Handle, FakeWindow>(windows))
            if (windows.count(h)) w.form->DispatchTimeChanged();
    });
}

bool FakePlatform::RegisterHotKey(Handle hWnd, int id, unsigned modifiers, unsigned vk) {
    Record("RegisterHotKey", {hWnd, id, modifiers, vk});
    if (heldElsewhere.count({modifiers, vk}) || hotKeys.count({modifiers, vk})) return false;
    hotKeys[{modifiers, vk}] = {hWnd, id};
    return true;
}

void FakePlatform::UnregisterHotKey(Handle hWnd, int id) {
    Record("UnregisterHotKey", {hWnd, id});
    std::erase_if(hotKeys, [&](const auto& k) { return k.second == std::pair{hWnd, id}; });
}

void FakePlatform::ShellRestart(Form& f) {
    Run([this, &f] {
        trayIcons.clear();
        if (f.IsLoaded()) ShellRestarted();
    });
}

}  // namespace dv::fake
