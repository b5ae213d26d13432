// The hosting of the program's windows: a native peer for each loaded form,
// modal loops, the screen's twips, and the end of the program when the last
// window has gone.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/types.h"

namespace dv {

class Form;

// The native side of one loaded window.
class WindowPeer {
   public:
    virtual ~WindowPeer() = default;
    virtual Handle Hwnd() const = 0;
    virtual Handle IconHandle() const = 0;
    // Makes the window visible; the first time at its start-up position.
    virtual void Show(Form* owner) = 0;
    virtual void Hide() = 0;
    virtual void SetState(WindowState state) = 0;
    // Activates the window and gives the keyboard to its focused part.
    virtual void Focus() = 0;
    // The focused part changed (Form::FocusedArea, FocusedButton).
    virtual void FocusMoved() = 0;
    // Tells screen readers of part `index` (Form::AccessibleParts).
    virtual void Announce(AccessibleEvent event, int index) = 0;
    // The window's own text (its title), and telling screen readers that it
    // changed, to be read out once where the system has live regions.
    virtual void SetText(std::string_view text) = 0;
    virtual void TellTextChanged() = 0;
    // The buttons' texts or faces changed.
    virtual void ButtonsRetexted() = 0;
    virtual void Invalidate(const TwipsRect* area) = 0;  // nullptr: all of it
    // Moves and sizes the window to cover `screen`, without activating it.
    virtual void SetBounds(const PixelRect& screen) = 0;
    // Centres the window on `area`, and keeps it there at its first show.
    virtual void CentreOn(const PixelRect& area) = 0;
    virtual PixelRect WindowRect() const = 0;
    virtual void ArmTimer(int id, unsigned intervalMs) = 0;
    virtual void DisarmTimer(int id) = 0;
    // Extent of `text` in `font`, in twips.
    virtual TwipsSize MeasureText(const Font& font, std::string_view text) = 0;
};

// What other copies of the program hand over: carried out by the program,
// whichever window hears it.
class RequestHandler {
   public:
    // The answer for that copy: 0 when it was not carried out.
    virtual std::uint32_t CarryRequest(std::uint32_t mark, std::string_view bytes) = 0;

   protected:
    ~RequestHandler() = default;
};

// What hears that the shell started again with an empty notification area.
class ShellListener {
   public:
    virtual void ShellRestarted() = 0;

   protected:
    ~ShellListener() = default;
};

class Hosting {
   public:
    virtual ~Hosting() = default;
    virtual std::unique_ptr<WindowPeer> CreatePeer(Form& form) = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // Runs a nested message loop while `form` stays shown, with `owner`
    // disabled; timers and other windows' events go on inside it.
    virtual void RunModal(Form& form, Form* owner) = 0;
    // Every monitor, the primary one first.
    virtual std::vector<Monitor> Monitors() = 0;
    // While on, `form` hears when another window comes in front, and when
    // the window in front moves or changes its size (Form_FrontChanged).
    virtual void WatchFront(Form& form, bool on) = 0;
    // Answers the request of another copy being carried out now (see
    // Form_Request), so that the copy goes on at once while the work here
    // goes on, or the program ends: 0 refused, else how it was carried out.
    virtual void AnswerRequest(std::uint32_t answer) = 0;

    // Where the window that hears other copies (FormDesign::hearsOtherCopies)
    // hands their requests, and the shell's restart; none: requests are
    // refused, and the restart goes unheard.
    void HandRequestsTo(RequestHandler* handler) { requests_ = handler; }
    std::uint32_t CarryRequest(std::uint32_t mark, std::string_view bytes) {
        return requests_ ? requests_->CarryRequest(mark, bytes) : 0;
    }
    void TellShellRestartTo(ShellListener* listener) { shell_ = listener; }
    void ShellRestarted() {
        if (shell_) shell_->ShellRestarted();
    }

    // The forms report their loads and unloads here; when the last one has
    // gone, the program is over.
    void FormLoaded() { ++loadedForms_; }
    void FormUnloaded() {
        if (--loadedForms_ == 0) Quit();
    }
    int LoadedForms() const { return loadedForms_; }

   protected:
    // No window is loaded any more: ends the message loop.
    virtual void Quit() = 0;

   private:
    int loadedForms_ = 0;
    RequestHandler* requests_ = nullptr;
    ShellListener* shell_ = nullptr;
};

}  // namespace dv
