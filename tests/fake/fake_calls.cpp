// The platform's calls as the program makes them: each recorded, with the
// state of the windows, the store and the system kept in memory.
#include "fake_platform.h"

#include "platform/names.h"

namespace dv::fake {
namespace {

constexpr Handle kMenuWindow = 0x9990;

}  // namespace

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
void FakePlatform::ChooseHotKeys(Form& owner, const HotKeyDialogDesign& design,
                                 HotKeyChooser& chooser) {
    Record("ChooseHotKeys", {owner.NativeHandle()});
    hotKeyDialog = design;
    std::vector<std::uint16_t> words = design.words;
    for (const HotKeyPress& press : hotKeyPresses) {
        if (press.kind == HotKeyPress::Cancel) break;
        if (press.kind == HotKeyPress::Defaults) {
            words = chooser.DefaultWords();
            continue;
        }
        if (press.kind == HotKeyPress::F7) {
            f7Pressed_ = true;  // down and up again, just before the next press
            continue;
        }
        if (!press.words.empty()) words = press.words;
        const std::string note = chooser.Take(words);
        if (note.empty()) break;
        hotKeyNotes.push_back(note);
    }
    hotKeyPresses.clear();
}

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

}  // namespace dv::fake
