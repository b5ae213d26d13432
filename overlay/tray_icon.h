// The tray icon: its record, filled once for the overlay, adding and taking
// it away, and whether it stands in the notification area now, so that it
// comes back when the shell starts again.
#pragma once

#include "platform/form.h"

namespace dv {

class TrayIcon final : public ShellListener {
   public:
    explicit TrayIcon(Platform& host) : host_(host) {}
    ~TrayIcon() { host_.TellShellRestartTo(nullptr); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Fills the record for `overlay`, whose notifications come as moves,
    // and hears of the shell's restarts from then on.
    void Attach(Form& overlay);
    void Show();
    void Hide();
    bool Shown() const { return shown_; }
    // The shell started again with an empty notification area: the icon
    // comes back if it stood there.
    void ShellRestarted() override;

   private:
    Platform& host_;
    TrayRecord nidTray_;
    bool shown_ = false;
};

}  // namespace dv
