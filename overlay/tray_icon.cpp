#include "overlay/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/names.h"

namespace dv {
namespace {

// The tip field: the name, one NUL, then blanks to 64 characters.
std::string TrayTip(const char* name) {
    std::string tip(name, std::min<std::size_t>(std::strlen(name), 63));
    tip.push_back('\0');
    tip.resize(64, ' ');
    return tip;
}

}  // namespace

void TrayIcon::Attach(Form& overlay) {
    nidTray_.hWnd = overlay.hWnd();
    nidTray_.uID = static_cast<std::uint32_t>(overlay.Icon());
    nidTray_.uFlags = kNifMessageIconTip;
    nidTray_.uCallbackMessage = kWmMouseMove;  // the notifications come as moves
    nidTray_.hIcon = overlay.Icon();
    nidTray_.szTip = TrayTip(names::kAppName);
    nidTray_.cbSize = kTrayRecordSize;
    host_.TellShellRestartTo(this);
}

void TrayIcon::ShellRestarted() {
    if (shown_) Show();
}

void TrayIcon::Show() {
    host_.Shell_NotifyIconA(kNimAdd, nidTray_);
    shown_ = true;
}

void TrayIcon::Hide() {
    host_.Shell_NotifyIconA(kNimDelete, nidTray_);
    shown_ = false;
}

}  // namespace dv
