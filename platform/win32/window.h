// The native window behind one form: created hidden when the form loads,
// destroyed when it unloads. Labels and lines are painted here; the command
// button is a real child window.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/form.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_class.h"

namespace dv::win32 {

// A form's timers, by their ids from this one.
constexpr UINT_PTR kTimerBase = 1;
// The message the shell sends every top-level window as it starts again.
UINT TaskbarCreated();

class FontCache {
   public:
    HFONT Get(const Font& font, int dpi);

   private:
    struct Entry {
        Font font;
        FontHandle handle;
    };
    std::vector<Entry> fonts_;
};

class Win32Peer final : public WindowPeer {
   public:
    Win32Peer(Win32Platform& platform, Form& form);
    ~Win32Peer() override;

    Handle Hwnd() const override { return reinterpret_cast<Handle>(hwnd_); }
    Handle IconHandle() const override { return reinterpret_cast<Handle>(smallIcon_); }
    void Show(Form* owner) override;
    void Hide() override;
    void SetState(WindowState state) override;
    void Focus() override;
    void FocusMoved() override;
    void Announce(AccessibleEvent event, int index) override;
    void SetText(std::string_view text) override;
    void TellTextChanged() override;
    void ButtonsRetexted() override;
    Form& OwnerForm() const { return form_; }
    RECT PxRect(const TwipsRect& r) const;
    void Invalidate(const TwipsRect* area) override;
    void SetBounds(const PixelRect& screen) override;
    void CentreOn(const PixelRect& area) override;
    PixelRect WindowRect() const override;
    void ArmTimer(int id, unsigned intervalMs) override;
    void DisarmTimer(int id) override;
    TwipsSize MeasureText(const Font& font, std::string_view text) override;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

   private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    int Px(float twips) const;   // horizontal twips to pixels
    int PxY(float twips) const;  // vertical twips to pixels
    void CreateButtons();
    void LetThroughFromLowerRights();
    void Place(Form* owner);
    void Centre(const PixelRect& area);
    void CoverScreen();
    void Paint(HDC dc, const RECT& area);
    void PaintLabel(HDC dc, const Label& label);
    void PaintLine(HDC dc, const Line& line);
    void DrawButton(const DRAWITEMSTRUCT& item);
    void MouseEvent(UINT msg, WPARAM wp, LPARAM lp);
    // The child that should have the keyboard: the focused button, or the
    // window itself for its drawn parts.
    HWND FocusTarget() const;
    void Press(int button, int shift, PixelPoint p);
    void Release(int button, int shift, PixelPoint p, WPARAM wp);

    Win32Platform& platform_;
    Form& form_;
    HWND hwnd_ = nullptr;
    HICON smallIcon_ = nullptr;  // the window class owns its icons
    bool placed_ = false;
    bool live_ = false;  // made a live region for screen readers
    FontCache fonts_;
    std::vector<std::pair<HWND, const CommandButton*>> buttons_;
};

}  // namespace dv::win32
