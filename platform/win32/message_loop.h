// The message loop: the main one, the modal windows' nested ones, pending
// events, and the end of the program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace dv::win32 {

class MessageLoop {
   public:
    // Runs until the last window has gone; returns the exit code.
    int Run();
    void RunModal(Form& form, Form* owner);
    void DoEvents();
    [[noreturn]] void End();
    void Quit() { PostQuitMessage(0); }

   private:
    // Dispatches one fetched message.
    static void Dispatch(const MSG& msg);
};

}  // namespace dv::win32
