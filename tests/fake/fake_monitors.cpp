// The monitor thread of the test backend: its work runs on the program's
// thread, on the virtual clock, when woken or when the wait it asked for is
// over; the monitors are FakePanels.
#include "fake_platform.h"

namespace dv::fake {
namespace {

class Panel final : public MonitorPanel {
   public:
    Panel(FakePlatform& p, FakePanel& panel) : p_(p), panel_(panel) {}
    ~Panel() override { ++p_.panelsReleased; }
    std::optional<Reading> Read() override {
        ++panel_.reads;
        if (!panel_.answers) return std::nullopt;
        if (panel_.failReads > 0) {
            --panel_.failReads;
            return std::nullopt;
        }
        return Reading{panel_.minimum, panel_.level, panel_.maximum};
    }
    bool Write(unsigned value) override {
        if (!panel_.answers) return false;
        panel_.level = value;
        panel_.writes.emplace_back(p_.now, value);
        return true;
    }

   private:
    FakePlatform& p_;
    FakePanel& panel_;
};

}  // namespace

class FakePlatform::FakeMonitorWorker final : public MonitorWorker, public MonitorThread {
   public:
    FakeMonitorWorker(FakePlatform& p, std::unique_ptr<MonitorWork> work)
        : p_(p), work_(std::move(work)) {}
    ~FakeMonitorWorker() override { p_.monitorWorker_ = nullptr; }

    void Lock() override {}
    void Unlock() override {}
    void Wake() override { due_ = p_.now; }
    bool WaitIdle(unsigned ms) override {
        const int end = p_.now + static_cast<int>(ms);
        while (!p_.monitorThreadHangs && due_ && *due_ <= end) RunOnce();
        if (due_) p_.now = std::max(p_.now, end);
        return !due_;
    }
    std::vector<std::unique_ptr<MonitorPanel>> OpenPanels(const Monitor& m) override {
        ++p_.panelsOpened;
        std::vector<std::unique_ptr<MonitorPanel>> opened;
        for (FakePanel& panel : p_.panels[m.device])
            opened.push_back(std::make_unique<Panel>(p_, panel));
        return opened;
    }
    std::uint64_t Tick() override { return p_.TickCount(); }
    void TellWindows() override { news_ = true; }

    bool RunDue(int until) {
        if (p_.monitorThreadHangs || !due_ || *due_ > until) return false;
        RunOnce();
        return true;
    }

   private:
    void RunOnce() {
        p_.now = std::max(p_.now, *due_);
        due_.reset();
        const unsigned next = work_->Work(*this);
        if (next != MonitorWork::kIdle && !due_) due_ = p_.now + static_cast<int>(next);
        if (std::exchange(news_, false)) work_->Deliver(static_cast<MonitorThread&>(*this));
    }

    FakePlatform& p_;
    std::unique_ptr<MonitorWork> work_;
    std::optional<int> due_;
    bool news_ = false;
};

std::unique_ptr<MonitorWorker> FakePlatform::StartMonitorWorker(std::unique_ptr<MonitorWork> work) {
    Record("StartMonitorWorker", {});
    auto worker = std::make_unique<FakeMonitorWorker>(*this, std::move(work));
    monitorWorker_ = worker.get();
    return worker;
}

bool FakePlatform::RunDueWork(int until) { return monitorWorker_ && monitorWorker_->RunDue(until); }

bool FakePlatform::DeleteSetting(std::string_view app, std::string_view section,
                                 std::string_view key) {
    Record("DeleteSetting", {},
           std::string(app) + "/" + std::string(section) + "/" + std::string(key));
    const std::string name = StoreKey(section, key);
    if (refusedWrites.count(name)) return false;
    store.erase(name);
    return true;
}

}  // namespace dv::fake
