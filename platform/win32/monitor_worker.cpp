#include "platform/win32/monitor_worker.h"

#include "platform/win32/handles.h"
#include "platform/win32/monitor_panels.h"

namespace dv::win32 {
namespace {

constexpr UINT kNews = WM_APP + 1;
constexpr const wchar_t* kNewsClass = L"DuskveilMonitorNews";

// What the thread and its owner share; whichever lets go last frees it, so
// that an owner gone while the thread waits on a slow monitor leaves the
// thread what it still uses.
class Shared final : public MonitorThread {
   public:
    explicit Shared(std::unique_ptr<MonitorWork> work) : work_(std::move(work)) {
        InitializeCriticalSection(&cs_);
    }
    ~Shared() { DeleteCriticalSection(&cs_); }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    void Lock() override { EnterCriticalSection(&cs_); }
    void Unlock() override { LeaveCriticalSection(&cs_); }
    std::vector<std::unique_ptr<MonitorPanel>> OpenPanels(const Monitor& m) override {
        return OpenMonitorPanels(m);
    }
    std::uint64_t Tick() override { return GetTickCount64(); }
    void TellWindows() override {
        Locked held(*this);
        if (window_) PostMessageW(window_, kNews, 0, 0);
        SetEvent(news_.Get());
    }

    void Release() {
        if (InterlockedDecrement(&refs_) == 0) delete this;
    }

    static DWORD WINAPI Run(void* data) {
        auto* shared = static_cast<Shared*>(data);
        shared->Loop();
        shared->Release();
        return 0;
    }

    void Loop() {
        DWORD wait = INFINITE;
        for (;;) {
            WaitForSingleObject(wake_.Get(), wait);
            {
                Locked held(*this);
                if (stop_) return;
                woken_ = false;
            }
            const unsigned next = work_->Work(*this);
            Locked held(*this);
            if (next == MonitorWork::kIdle && !woken_) SetEvent(idle_.Get());
            wait = next == MonitorWork::kIdle ? INFINITE : next;
        }
    }

    std::unique_ptr<MonitorWork> work_;
    CRITICAL_SECTION cs_;
    KernelHandle wake_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    KernelHandle idle_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    KernelHandle news_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    HWND window_ = nullptr;  // under the lock; none once the owner went
    bool stop_ = false, woken_ = false;
    LONG refs_ = 2;
};

LRESULT CALLBACK NewsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kNews) {
        if (auto* shared = reinterpret_cast<Shared*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            shared->work_->Deliver(*shared);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class Worker final : public MonitorWorker {
   public:
    Worker(HINSTANCE instance, Shared* shared) : shared_(shared) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &NewsProc;
        wc.hInstance = instance;
        wc.lpszClassName = kNewsClass;
        RegisterClassExW(&wc);  // once: a second time is refused, and it stays
        window_ = CreateWindowExW(0, kNewsClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
        if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shared));
        Locked held(*shared_);
        shared_->window_ = window_;
    }
    ~Worker() override {
        {
            Locked held(*shared_);
            shared_->stop_ = true;
            shared_->window_ = nullptr;
        }
        SetEvent(shared_->wake_.Get());
        if (window_) DestroyWindow(window_);
        shared_->Release();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void Lock() override { shared_->Lock(); }
    void Unlock() override { shared_->Unlock(); }
    void Wake() override {
        {
            Locked held(*shared_);
            shared_->woken_ = true;
            ResetEvent(shared_->idle_.Get());
        }
        SetEvent(shared_->wake_.Get());
    }
    bool WaitIdle(unsigned ms) override {
        const ULONGLONG end = GetTickCount64() + ms;
        const auto idle = [this] {
            return WaitForSingleObject(shared_->idle_.Get(), 0) == WAIT_OBJECT_0;
        };
        for (;;) {
            shared_->work_->Deliver(*shared_);
            const ULONGLONG now = GetTickCount64();
            // Idle: what the work told before it went idle is delivered
            // too; a delivery that woke it again goes round once more.
            if (idle()) {
                shared_->work_->Deliver(*shared_);
                if (idle()) return true;
                continue;
            }
            if (now >= end) return false;
            const HANDLE either[] = {shared_->idle_.Get(), shared_->news_.Get()};
            WaitForMultipleObjects(2, either, FALSE, static_cast<DWORD>(end - now));
        }
    }

   private:
    Shared* shared_;
    HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<MonitorWorker> StartMonitorWorker(HINSTANCE instance,
                                                  std::unique_ptr<MonitorWork> work) {
    auto* shared = new Shared(std::move(work));
    auto worker = std::make_unique<Worker>(instance, shared);
    KernelHandle thread{CreateThread(nullptr, 0, &Shared::Run, shared, 0, nullptr)};
    // Without a thread nothing is ever written; the owner's share is all.
    if (!thread) shared->Release();
    return worker;
}

}  // namespace dv::win32
