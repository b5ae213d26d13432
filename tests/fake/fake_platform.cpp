#include "fake_platform.h"

#include "platform/names.h"

#include <algorithm>
#include <cmath>

namespace dv::fake {
namespace {

constexpr Handle kOverlayIcon = 0x7710;
constexpr Handle kMenuWindow = 0x9990;
constexpr std::int32_t kToolWindow = 0x80;
constexpr std::int32_t kNoActivate = 0x08000000;

// A layer covers a screen and is never activated; the other windows are
// activated when they show, as the real backend's are.
bool IsLayer(const Form& f) {
    const StartUp s = f.Design().startUp;
    return s == StartUp::Maximized || s == StartUp::Placed;
}

class FakePeer final : public WindowPeer {
   public:
    FakePeer(FakePlatform& p, Form& f) : p_(p), f_(f), h_(p.nextHandle += 4) {
        FakeWindow w;
        w.form = &f;
        w.hwnd = h_;
        w.exStyle = kToolWindow | (IsLayer(f) ? kNoActivate : 0);
        p_.windows[h_] = w;
        if (IsLayer(f)) p_.layers.insert(h_);
    }
    ~FakePeer() override {
        p_.windows.erase(h_);
        auto& t = p_.timers;
        t.erase(std::remove_if(t.begin(), t.end(), [&](const auto& s) { return s.form == &f_; }),
                t.end());
        if (p_.focused == h_) p_.focused = 0;
        if (p_.foreground == h_) p_.foreground = 0;
        std::erase(p_.zorder, h_);
        std::erase_if(p_.hotKeys, [&](const auto& k) { return k.second.first == h_; });
    }
    Handle Hwnd() const override { return h_; }
    Handle IconHandle() const override { return f_.Design().icon ? kOverlayIcon : 0; }
    void Show(Form* owner) override {
        FakeWindow& w = p_.windows[h_];
        w.visible = true;
        w.owner = owner;
        if (!IsLayer(f_)) p_.foreground = p_.focused = h_;  // activated as it shows
        p_.calls.push_back({"Show", {h_, owner ? owner->NativeHandle() : 0}, {}});
    }
    void Hide() override {
        p_.windows[h_].visible = false;
        p_.calls.push_back({"Hide", {h_}, {}});
    }
    void SetState(dv::WindowState s) override {
        p_.calls.push_back({"SetState", {h_, static_cast<int>(s)}, {}});
    }
    void Focus() override { p_.focused = p_.foreground = h_; }
    void FocusMoved() override { p_.calls.push_back({"FocusMoved", {h_}, {}}); }
    void Announce(AccessibleEvent e, int index) override {
        p_.calls.push_back({"Announce", {h_, static_cast<int>(e), index}, {}});
    }
    void SetBounds(const PixelRect& r) override { p_.windows[h_].bounds = r; }
    void CentreOn(const PixelRect& area) override {
        const PixelRect me = WindowRect();
        const int w = me.right - me.left, h = me.bottom - me.top;
        const int left = area.left + (area.right - area.left - w) / 2;
        const int top = area.top + (area.bottom - area.top - h) / 2;
        p_.windows[h_].bounds = PixelRect{left, top, left + w, top + h};
    }
    // Where the program placed it, else its client area at the screen's
    // top-left corner.
    PixelRect WindowRect() const override {
        const auto& bounds = p_.windows.at(h_).bounds;
        if (bounds) return *bounds;
        const TwipsSize client = f_.Design().client;
        return {0, 0, static_cast<int>(client.width / p_.tpp),
                static_cast<int>(client.height / p_.tpp)};
    }
    void Invalidate(const TwipsRect* area) override {
        FakeWindow& w = p_.windows[h_];
        ++w.invalidations;
        if (area) w.damaged.push_back(*area);
    }
    void ArmTimer(int id, unsigned interval) override {
        DisarmTimer(id);
        p_.timers.push_back(
            {&f_, id, interval, p_.now + static_cast<int>(interval), ++p_.timerOrder});
    }
    void DisarmTimer(int id) override {
        auto& t = p_.timers;
        t.erase(std::remove_if(t.begin(), t.end(),
                               [&](const auto& s) { return s.form == &f_ && s.id == id; }),
                t.end());
    }
    // Half-width cells (ASCII one, anything else two) at a size in points.
    TwipsSize MeasureText(const Font& font, std::string_view text) override {
        float cells = 0;
        for (unsigned char c : text) {
            if (c < 0x80)
                cells += 1;
            else if (c >= 0xC0)
                cells += 2;
        }
        return {cells * font.points * 10.0f, font.points * 20.0f};
    }

   private:
    FakePlatform& p_;
    Form& f_;
    Handle h_;
};

}  // namespace

FakePlatform::FakePlatform() = default;

FakePlatform::~FakePlatform() { Stop(); }

void FakePlatform::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lk(m_);
        stopping_ = true;
    }
    cv_.notify_all();
    thread_.join();
}

void FakePlatform::Launch(std::function<void()> start) {
    thread_ = std::thread([this, start = std::move(start)] {
        try {
            start();
            Pump([] { return true; });
        } catch (const EndedSignal&) {
            ended_ = true;
        } catch (const StoppedSignal&) {
        }
        std::lock_guard lk(m_);
        finished_ = true;
        cv_.notify_all();
    });
    std::unique_lock lk(m_);
    cv_.wait(lk, [&] { return (waiting_ && tasks_.empty()) || finished_; });
}

void FakePlatform::Run(std::function<void()> step) {
    std::unique_lock lk(m_);
    if (finished_) return;
    tasks_.push_back(std::move(step));
    cv_.notify_all();
    cv_.wait(lk, [&] { return (waiting_ && tasks_.empty()) || finished_; });
}

void FakePlatform::Pump(const std::function<bool()>& keepGoing) {
    while (keepGoing() && !quit_) {
        if (FireDueTimer(target_)) continue;
        now = std::max(now, target_);
        std::function<void()> task;
        {
            std::unique_lock lk(m_);
            waiting_ = true;
            cv_.notify_all();
            cv_.wait(lk, [&] { return !tasks_.empty() || stopping_; });
            waiting_ = false;
            if (stopping_) throw StoppedSignal{};
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

bool FakePlatform::FireDueTimer(int until) {
    auto next = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (it->due > until) continue;
        if (next == timers.end() || it->due < next->due ||
            (it->due == next->due && it->order < next->order))
            next = it;
    }
    if (next == timers.end()) return false;
    now = std::max(now, next->due);
    next->due += static_cast<int>(next->interval);
    next->order = ++timerOrder;
    Form* form = next->form;
    const int id = next->id;
    form->DispatchTimer(id);
    return true;
}

void FakePlatform::Advance(int ms) {
    Run([this, ms] { target_ = now + ms; });
}

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

void FakePlatform::Record(std::string name, std::vector<std::int64_t> args, std::string text) {
    calls.push_back({std::move(name), std::move(args), std::move(text)});
}

std::vector<Call> FakePlatform::CallsNamed(const std::string& name) const {
    std::vector<Call> out;
    for (const Call& c : calls)
        if (c.name == name) out.push_back(c);
    return out;
}

int FakePlatform::Count(const std::string& name, std::int64_t firstArg) const {
    int n = 0;
    for (const Call& c : calls)
        if (c.name == name && !c.args.empty() && c.args[0] == firstArg) ++n;
    return n;
}

const FakeWindow* FakePlatform::Window(Handle h) const {
    auto it = windows.find(h);
    return it == windows.end() ? nullptr : &it->second;
}

FakeWindow* FakePlatform::WindowOf(Form& f) {
    if (!f.IsLoaded()) return nullptr;
    auto it = windows.find(f.NativeHandle());
    return it == windows.end() ? nullptr : &it->second;
}

void FakePlatform::SetWindowPos(Handle h, Handle after, int x, int y, int cx, int cy,
                                std::uint32_t flags) {
    Record("SetWindowPos", {h, after, x, y, cx, cy, flags});
    if (!windows.count(h)) return;
    // Wine activates a window on every call without SWP_NOACTIVATE, even a
    // hidden one.
    if ((flags & kSwpNoActivate) == 0) foreground = h;
    Restack(h, after);
}

void FakePlatform::Restack(Handle h, Handle after) {
    std::vector<Handle> z = zorder;
    std::erase(z, h);
    auto at = z.begin();
    if (after != kHwndTopmost) {
        at = std::find(z.begin(), z.end(), after);
        at = at == z.end() ? z.end() : at + 1;
    }
    z.insert(at, h);
    if (z != zorder) ++zorderChanges;
    zorder = std::move(z);
}

void FakePlatform::SetForegroundWindow(Handle h) {
    Record("SetForegroundWindow", {h});
    if (IsWindow(h)) foreground = h;
}

void FakePlatform::BringToFront(Handle h) {
    Run([this, h] {
        foreground = h;
        if (watchingFront) watchingFront->DispatchFrontChanged();
    });
}

void FakePlatform::ChangeOutside(Handle h, std::function<void(OutsideWindow&)> change) {
    Run([this, h, change = std::move(change)] {
        change(outsideWindows[h]);
        if (watchingFront && foreground == h) watchingFront->DispatchFrontChanged();
    });
}

PixelRect FakePlatform::GetWindowRect(Handle h) {
    if (const auto o = outsideWindows.find(h); o != outsideWindows.end()) return o->second.rect;
    const FakeWindow* w = Window(h);
    return w && w->bounds ? *w->bounds : PixelRect{0, 0, 1024, 768};
}

bool FakePlatform::HasTitleBar(Handle h) {
    const auto o = outsideWindows.find(h);
    return o != outsideWindows.end() && o->second.caption;
}

bool FakePlatform::IsMaximizedWithFrame(Handle h) {
    const auto o = outsideWindows.find(h);
    return o != outsideWindows.end() && o->second.maximizedFrame;
}

Handle FakePlatform::FindChild(Handle h, std::string_view className) {
    const auto o = outsideWindows.find(h);
    return o != outsideWindows.end() && className == "Windows.UI.Core.CoreWindow"
               ? o->second.coreWindow
               : 0;
}

bool FakePlatform::IsShellWindow(Handle h) {
    const auto o = outsideWindows.find(h);
    return o != outsideWindows.end() && o->second.shell;
}

std::string FakePlatform::ProgramOf(Handle h) {
    Record("ProgramOf", {h});
    if (const auto o = outsideWindows.find(h); o != outsideWindows.end()) return o->second.program;
    return windows.count(h) ? "Duskveil.exe" : "";
}

bool FakePlatform::SameFileName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

void FakePlatform::WatchFront(Form& form, bool on) {
    Record("WatchFront", {on ? 1 : 0});
    watchingFront = on ? &form : nullptr;
}

bool FakePlatform::IsWindow(Handle h) { return windows.count(h) || outsideWindows.count(h); }

std::optional<std::uint32_t> FakePlatform::GetWindowDisplayAffinity(Handle h) {
    auto it = windows.find(h);
    if (!affinityWorks || it == windows.end()) return std::nullopt;
    return it->second.affinity.value_or(kWdaNone);
}

bool FakePlatform::DeleteStartupApproved() {
    Record("DeleteStartupApproved", {});
    if (runWritesRefused) return false;
    startupApproved = {};
    return true;
}

std::int32_t FakePlatform::GetWindowLongA(Handle h, int index) {
    Record("GetWindowLongA", {h, index});
    auto it = windows.find(h);
    return it == windows.end() || index != kGwlExStyle ? 0 : it->second.exStyle;
}

void FakePlatform::SetWindowLongA(Handle h, int index, std::int32_t value) {
    Record("SetWindowLongA", {h, index, value});
    auto it = windows.find(h);
    if (it != windows.end() && index == kGwlExStyle) it->second.exStyle = value;
}

void FakePlatform::SetLayeredWindowAttributes(Handle h, Colour key, std::uint8_t alpha,
                                              std::uint32_t flags) {
    Record("SetLayeredWindowAttributes", {h, key, alpha, flags});
    auto it = windows.find(h);
    if (it != windows.end()) it->second.alpha = alpha;
}

std::int16_t FakePlatform::GetAsyncKeyState(int vk) {
    Record("GetAsyncKeyState", {vk});
    if (vk != kVkF7) return 0;
    const int state = (f7Down_ ? 0x8000 : 0) | (f7Pressed_ ? 1 : 0);
    f7Pressed_ = false;
    return static_cast<std::int16_t>(state);
}

void FakePlatform::Shell_NotifyIconA(std::uint32_t message, const TrayRecord& r) {
    Record("Shell_NotifyIconA",
           {message, r.hWnd, r.uID, r.uFlags, r.uCallbackMessage, r.hIcon, r.cbSize}, r.szTip);
    if (message == kNimAdd) trayIcons.insert({r.hWnd, r.uID});
    if (message == kNimDelete) trayIcons.erase({r.hWnd, r.uID});
}

std::string StoreKey(std::string_view section, std::string_view key) {
    if (section == names::kSection) return std::string(key);
    return std::string(section) + "/" + std::string(key);
}

StoredText FakePlatform::GetSetting(std::string_view app, std::string_view section,
                                    std::string_view key) {
    Record("GetSetting", {},
           std::string(app) + "/" + std::string(section) + "/" + std::string(key));
    auto it = store.find(StoreKey(section, key));
    return it == store.end() ? StoredText{} : it->second;
}

bool FakePlatform::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view text) {
    Record("SaveSetting", {},
           std::string(app) + "/" + std::string(section) + "/" + std::string(key) + "=" +
               std::string(text));
    const std::string name = StoreKey(section, key);
    if (refusedWrites.count(name)) return false;
    store[name] = {StoredText::Kind::Text, std::string(text)};
    return true;
}

void FakePlatform::End() {
    Record("End", {});
    throw EndedSignal{};
}

void FakePlatform::DoEvents() {
    Record("DoEvents", {});
    while (FireDueTimer(now)) {
    }
}

bool FakePlatform::Shell(std::string_view commandLine, int windowStyle) {
    Record("Shell", {windowStyle}, std::string(commandLine));
    if (!shellWorks) return false;
    started.emplace_back(commandLine);
    return true;
}

std::optional<Colour> FakePlatform::PickColour(Form& owner) {
    Record("PickColour", {owner.NativeHandle()});
    dialogOpen = true;
    dialogOwner = &owner;
    dialogAnswer_.reset();
    Pump([this] { return !dialogAnswer_.has_value(); });
    dialogOpen = false;
    dialogOwner = nullptr;
    if (owner.IsLoaded()) focused = owner.NativeHandle();
    const std::optional<Colour> answer = dialogAnswer_.value_or(std::nullopt);
    dialogAnswer_.reset();
    return answer;
}

// The menu's own window holds the keyboard while it is open; timers tick
// in its loop, as they do in the system's.
int FakePlatform::PopupMenu(Form& owner, const std::vector<MenuItem>& items, Handle giveBackTo) {
    Record("PopupMenu", {owner.NativeHandle()});
    menus.push_back(items);
    foreground = kMenuWindow;
    menuOpen = true;
    menuAnswer_.reset();
    Pump([this] { return !menuAnswer_.has_value(); });
    menuOpen = false;
    if (foreground == kMenuWindow) foreground = IsWindow(giveBackTo) ? giveBackTo : 0;
    const int id = menuAnswer_.value_or(0);
    for (const MenuItem& item : items)
        if (item.id == id && !item.enabled) return 0;
    return id;
}

bool FakePlatform::SetRunEntry(std::string_view commandLine) {
    Record("SetRunEntry", {}, std::string(commandLine));
    if (runWritesRefused) return false;
    runEntry = std::string(commandLine);
    return true;
}

bool FakePlatform::DeleteRunEntry() {
    Record("DeleteRunEntry", {});
    if (runWritesRefused) return false;
    runEntry.reset();
    return true;
}

bool FakePlatform::SetWindowDisplayAffinity(Handle h, std::uint32_t affinity) {
    Record("SetWindowDisplayAffinity", {h, affinity});
    if (!affinityWorks) return false;
    auto it = windows.find(h);
    if (it != windows.end()) it->second.affinity = affinity;
    return true;
}

std::unique_ptr<WindowPeer> FakePlatform::CreatePeer(Form& form) {
    return std::make_unique<FakePeer>(*this, form);
}

void FakePlatform::RunModal(Form& form, Form* owner) {
    Record("RunModal", {form.NativeHandle(), owner ? owner->NativeHandle() : 0});
    FakeWindow* ow = owner ? WindowOf(*owner) : nullptr;
    if (ow) ow->enabled = false;
    Pump([&form] { return form.IsShown(); });
    if (owner && (ow = WindowOf(*owner)) != nullptr) ow->enabled = true;
}

}  // namespace dv::fake
