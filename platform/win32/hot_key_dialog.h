// The hot-key dialog: built in memory from the program's design, with the
// system's own hot-key control in each row.
#pragma once

#include "platform/form.h"
#include "platform/runtime_services.h"

namespace dv::win32 {

class HotKeyDialog {
   public:
    void Run(Form& owner, const HotKeyDialogDesign& design, HotKeyChooser& chooser);
};

}  // namespace dv::win32
