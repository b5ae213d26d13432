// The Color dialog, its library loaded the first time it is needed.
#include "platform/win32/colour_dialog.h"

#include <commdlg.h>

#include <cstring>

#include "platform/win32/bench_marks.h"
#include "platform/win32/system_library.h"

namespace dv::win32 {

std::optional<Colour> ColourDialog::PickColour(Form& owner) {
    // The custom colours last for the life of the program.
    static COLORREF custom[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    CHOOSECOLORW cc;
    std::memset(&cc, 0, sizeof cc);
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = H(owner.NativeHandle());
    cc.lpCustColors = custom;
    cc.Flags = 0;  // the short form, nothing preselected
    // The dialog's library is loaded the first time it is needed, from the
    // system directory: most evenings never open it, and it is the largest
    // thing the program would otherwise carry from the start.
    using ChooseFn = BOOL(WINAPI*)(CHOOSECOLORW*);
    static const ChooseFn choose = [] {
        HMODULE dlg = LoadSystemLibrary(L"comdlg32.dll");
        return dlg ? reinterpret_cast<ChooseFn>(
                         reinterpret_cast<void*>(GetProcAddress(dlg, "ChooseColorW")))
                   : nullptr;
    }();
    const BOOL ok = choose ? choose(&cc) : FALSE;
    if (cc.hwndOwner && owner.IsLoaded()) SetActiveWindow(cc.hwndOwner);
    if (!ok || !owner.IsLoaded()) return std::nullopt;  // cancelled, or its window went
    BenchMark("confirm");
    return static_cast<Colour>(cc.rgbResult & 0x00FFFFFF);
}

}  // namespace dv::win32
