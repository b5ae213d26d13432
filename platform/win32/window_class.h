// The one window class of the program's forms: registered when the backend
// starts, unregistered when it goes.
#pragma once

#include <windows.h>

#include "resources/names.h"

namespace dv::win32 {

inline constexpr const wchar_t* kFormClassName = names::kFormClass;

// The procedure every form's window runs (window.cpp).
LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

class WindowClass {
   public:
    explicit WindowClass(HINSTANCE instance) : instance_(instance) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &FormWindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kFormClassName;
        atom_ = RegisterClassExW(&wc);
    }
    ~WindowClass() {
        if (atom_) UnregisterClassW(MAKEINTATOM(atom_), instance_);
    }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    // False when the system refused the class: no form can be created.
    explicit operator bool() const { return atom_ != 0; }

   private:
    HINSTANCE instance_;
    ATOM atom_ = 0;
};

}  // namespace dv::win32
