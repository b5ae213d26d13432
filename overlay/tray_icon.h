// The tray icon: its record, filled once for the overlay, and whether it
// stands in the notification area now, so that it can be put back when the
// shell starts again.
#pragma once

#include "platform/form.h"

namespace dv {

class TrayIcon {
   public:
    explicit TrayIcon(Platform& host) : host_(host) {}
    // Fills the record for `overlay`, whose notifications come as moves.
    void Attach(Form& overlay);
    void Show();
    void Hide();
    bool Shown() const { return shown_; }

   private:
    Platform& host_;
    TrayRecord nidTray_;
    bool shown_ = false;
};

}  // namespace dv
