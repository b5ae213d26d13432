// The other copies of the program: one runs per session, and a copy started
// with a command line hands it to the one that runs, or starts one.
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

class OtherCopies {
   public:
    // Takes the session's one name; another copy that holds it was running.
    OtherCopies();
    bool PrevInstance() const { return prevInstance_; }
    void LeaveSingleCopy() { instanceMutex_.Reset(); }
    // The command line's arguments after the program's name, and its whole
    // length in characters.
    static std::vector<std::string> Arguments(std::size_t& length);
    RuntimeServices::Handed HandOver(std::uint32_t mark, std::string_view bytes, bool untilEnded,
                                     unsigned waitMs);
    bool StartCopy(const std::string& exePath);
    void AnswerRequest(std::uint32_t answer);

   private:
    KernelHandle instanceMutex_;
    bool prevInstance_ = false;
};

}  // namespace dv::win32
