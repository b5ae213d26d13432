#include "platform/win32/monitor_panels.h"

#include <windows.h>

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {
namespace {

// As the system lays it out.
struct PhysicalMonitor {
    HANDLE handle;
    WCHAR description[128];
};

// The calls, each looked up once; null where the system lacks it.
struct Calls {
    using Count = BOOL(WINAPI*)(HMONITOR, DWORD*);
    using Get = BOOL(WINAPI*)(HMONITOR, DWORD, PhysicalMonitor*);
    using Destroy = BOOL(WINAPI*)(DWORD, PhysicalMonitor*);
    using GetBrightness = BOOL(WINAPI*)(HANDLE, DWORD*, DWORD*, DWORD*);
    using SetBrightness = BOOL(WINAPI*)(HANDLE, DWORD);
    using GetVcp = BOOL(WINAPI*)(HANDLE, BYTE, DWORD*, DWORD*, DWORD*);
    using SetVcp = BOOL(WINAPI*)(HANDLE, BYTE, DWORD);
    Count count = nullptr;
    Get get = nullptr;
    Destroy destroy = nullptr;
    GetBrightness getBrightness = nullptr;
    SetBrightness setBrightness = nullptr;
    GetVcp getVcp = nullptr;
    SetVcp setVcp = nullptr;

    bool Usable() const { return count && get && destroy; }
};

const Calls& TheCalls() {
    static const Calls calls = [] {
        Calls c;
        constexpr const wchar_t* kDll = L"dxva2.dll";
        if (!LoadSystemLibrary(kDll)) return c;
        c.count = Find<Calls::Count>(kDll, "GetNumberOfPhysicalMonitorsFromHMONITOR");
        c.get = Find<Calls::Get>(kDll, "GetPhysicalMonitorsFromHMONITOR");
        c.destroy = Find<Calls::Destroy>(kDll, "DestroyPhysicalMonitors");
        c.getBrightness = Find<Calls::GetBrightness>(kDll, "GetMonitorBrightness");
        c.setBrightness = Find<Calls::SetBrightness>(kDll, "SetMonitorBrightness");
        c.getVcp = Find<Calls::GetVcp>(kDll, "GetVCPFeatureAndVCPFeatureReply");
        c.setVcp = Find<Calls::SetVcp>(kDll, "SetVCPFeature");
        return c;
    }();
    return calls;
}

// The VESA control code of brightness ("luminance").
constexpr BYTE kVcpBrightness = 0x10;

// One physical monitor, owning its handle. Its brightness is asked for by
// the system's own call, else by the control code.
class Panel final : public MonitorPanel {
   public:
    explicit Panel(const PhysicalMonitor& pm) : pm_(pm) {}
    ~Panel() override { TheCalls().destroy(1, &pm_); }
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    std::optional<Reading> Read() override {
        const Calls& c = TheCalls();
        DWORD minimum = 0, current = 0, maximum = 0;
        if (!vcp_ && c.getBrightness && c.getBrightness(pm_.handle, &minimum, &current, &maximum))
            return Reading{minimum, current, maximum};
        DWORD type = 0;
        if (c.getVcp && c.getVcp(pm_.handle, kVcpBrightness, &type, &current, &maximum)) {
            vcp_ = true;
            return Reading{0, current, maximum};
        }
        return std::nullopt;
    }
    bool Write(unsigned value) override {
        const Calls& c = TheCalls();
        if (vcp_) return c.setVcp && c.setVcp(pm_.handle, kVcpBrightness, value);
        return c.setBrightness && c.setBrightness(pm_.handle, value);
    }

   private:
    PhysicalMonitor pm_;
    bool vcp_ = false;  // the monitor answered only the control code
};

struct Search {
    std::wstring device;
    HMONITOR found = nullptr;
};

BOOL CALLBACK Visit(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info) && search->device == info.szDevice) {
        search->found = monitor;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<std::unique_ptr<MonitorPanel>> OpenMonitorPanels(const Monitor& m) {
    std::vector<std::unique_ptr<MonitorPanel>> panels;
    const Calls& c = TheCalls();
    if (!c.Usable()) return panels;
    Search search{Wide(m.device)};
    EnumDisplayMonitors(nullptr, nullptr, &Visit, reinterpret_cast<LPARAM>(&search));
    DWORD count = 0;
    if (!search.found || !c.count(search.found, &count) || count == 0 || count > 16) return panels;
    std::vector<PhysicalMonitor> got(count);
    if (!c.get(search.found, count, got.data())) return panels;
    for (const PhysicalMonitor& pm : got) panels.push_back(std::make_unique<Panel>(pm));
    return panels;
}

}  // namespace dv::win32
