#include "fake_platform.h"

#include <algorithm>

namespace dv::fake {
namespace {

constexpr Handle kOverlayIcon = 0x7710;
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
    void SetText(std::string_view text) override { p_.windows[h_].text = text; }
    void TellTextChanged() override { p_.calls.push_back({"TellTextChanged", {h_}, {}}); }
    void ButtonsRetexted() override { p_.calls.push_back({"ButtonsRetexted", {h_}, {}}); }
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
        // The monitor thread's work due by now runs before the next timer.
        if (RunDueWork(now) || FireDueTimer(target_) || RunDueWork(target_)) continue;
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

void FakePlatform::End() {
    Record("End", {});
    throw EndedSignal{};
}

void FakePlatform::DoEvents() {
    Record("DoEvents", {});
    while (RunDueWork(now) || FireDueTimer(now)) {
    }
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
