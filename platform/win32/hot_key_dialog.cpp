#include "platform/win32/hot_key_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/names.h"
#include "platform/win32/handles.h"
#include "platform/win32/live_region.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace dv::win32 {

namespace {

// The controls, by id: each row's name and hot-key control, the line, and
// the Defaults button beside the dialog's own OK and Cancel.
constexpr WORD kFirstKey = names::kHotKeyFirstRow, kNote = names::kHotKeyNote;
constexpr WORD kFirstName = 110, kDefaults = 130;
constexpr WORD kButtonClass = 0x0080, kStaticClass = 0x0082;

// A dialog template as the system reads it: the header, then each item on a
// 4-byte boundary, texts in UTF-16, sizes in dialog units.
class Template {
   public:
    Template(const std::wstring& title, const Font& font, WORD items, short cx, short cy) {
        Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        Dword(0);
        words_.push_back(items);
        Sizes(0, 0, cx, cy);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the system's dialog class
        Text(title);
        words_.push_back(static_cast<WORD>(font.points));
        Text(Wide(font.face));
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
              const wchar_t* className, const std::wstring& text) {
        if (words_.size() % 2) words_.push_back(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Sizes(x, y, cx, cy);
        words_.push_back(id);
        if (className) {
            Text(className);
        } else {
            words_.push_back(0xFFFF);
            words_.push_back(atom);
        }
        Text(text);
        words_.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

   private:
    void Dword(DWORD d) {
        words_.push_back(LOWORD(d));
        words_.push_back(HIWORD(d));
    }
    void Sizes(short x, short y, short cx, short cy) {
        for (const short s : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(s));
    }
    void Text(const std::wstring& s) {
        for (const wchar_t c : s) words_.push_back(static_cast<WORD>(c));
        words_.push_back(0);
    }
    std::vector<WORD> words_;
};

struct Running {
    const HotKeyDialogDesign& design;
    HotKeyChooser& chooser;
    bool noteLive = false;
};

void SetWords(HWND dialog, const std::vector<std::uint16_t>& words) {
    for (std::size_t row = 0; row < words.size(); ++row)
        SendDlgItemMessageW(dialog, kFirstKey + int(row), HKM_SETHOTKEY, words[row], 0);
}

void Say(HWND dialog, Running& run, const std::string& note) {
    SetDlgItemTextW(dialog, kNote, Wide(note).c_str());
    if (!note.empty()) TellLiveRegionChanged(GetDlgItem(dialog, kNote), run.noteLive);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Running& run = *reinterpret_cast<Running*>(lParam);
        SetWords(dialog, run.design.words);
        Say(dialog, run, run.design.note);
        return TRUE;  // the first row has the keyboard
    }
    auto* run = reinterpret_cast<Running*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message != WM_COMMAND || !run || HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
        case kDefaults:
            SetWords(dialog, run->chooser.DefaultWords());
            return TRUE;
        case IDOK: {
            std::vector<std::uint16_t> words;
            for (std::size_t row = 0; row < run->design.rows.size(); ++row)
                words.push_back(static_cast<std::uint16_t>(
                    SendDlgItemMessageW(dialog, kFirstKey + int(row), HKM_GETHOTKEY, 0, 0)));
            const std::string note = run->chooser.Take(words);
            if (note.empty())
                EndDialog(dialog, IDOK);
            else
                Say(dialog, *run, note);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

// The hot-key control's class, from the system folder's common controls.
bool HotKeyClassReady() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    static const bool ready = [] {
        const HMODULE controls = LoadSystemLibrary(L"comctl32.dll");
        const auto init = controls ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(
                                         GetProcAddress(controls, "InitCommonControlsEx")))
                                   : nullptr;
        const INITCOMMONCONTROLSEX wanted{sizeof(INITCOMMONCONTROLSEX), ICC_HOTKEY_CLASS};
        return init && init(&wanted);
    }();
    return ready;
}

}  // namespace

void HotKeyDialog::Run(Form& owner, const HotKeyDialogDesign& design, HotKeyChooser& chooser) {
    if (!HotKeyClassReady()) return;
    // Dialog units: a row of 18 for each action, the line, then the buttons.
    const short rows = static_cast<short>(design.rows.size());
    const short noteTop = static_cast<short>(10 + rows * 18), buttonsTop = noteTop + 30;
    Template t(Wide(design.caption), design.font, static_cast<WORD>(rows * 2 + 4), 212,
               static_cast<short>(buttonsTop + 21));
    for (short row = 0; row < rows; ++row) {
        const short top = static_cast<short>(10 + row * 18);
        t.Item(SS_LEFT | SS_NOPREFIX, 7, top + 2, 66, 9, static_cast<WORD>(kFirstName + row),
               kStaticClass, nullptr, Wide(design.rows[std::size_t(row)]));
        t.Item(WS_TABSTOP | WS_BORDER, 76, top, 129, 13, static_cast<WORD>(kFirstKey + row), 0,
               HOTKEY_CLASSW, L"");
    }
    t.Item(SS_LEFT | SS_NOPREFIX, 7, noteTop, 198, 26, kNote, kStaticClass, nullptr, L"");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 7, buttonsTop, 60, 14, kDefaults, kButtonClass, nullptr,
           Wide(design.defaults));
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 81, buttonsTop, 60, 14, IDOK, kButtonClass, nullptr,
           Wide(design.ok));
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 145, buttonsTop, 60, 14, IDCANCEL, kButtonClass, nullptr,
           Wide(design.cancel));
    Running run{design, chooser};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(),
                            H(owner.NativeHandle()), Procedure,
                            reinterpret_cast<LPARAM>(&run));
}

}  // namespace dv::win32
