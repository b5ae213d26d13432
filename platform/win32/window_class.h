// The one window class of the program's forms, with the application icon:
// registered when the backend starts, unregistered when it goes.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/names.h"

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
        big_.Reset(LoadIcon(GetSystemMetrics(SM_CXICON)));
        small_.Reset(LoadIcon(GetSystemMetrics(SM_CXSMICON)));
    }
    ~WindowClass() {
        if (atom_) UnregisterClassW(MAKEINTATOM(atom_), instance_);
    }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    // False when the system refused the class: no form can be created.
    explicit operator bool() const { return atom_ != 0; }
    HICON BigIcon() const { return big_.Get(); }
    HICON SmallIcon() const { return small_.Get(); }

   private:
    HICON LoadIcon(int size) const {
        return static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    }

    HINSTANCE instance_;
    ATOM atom_ = 0;
    IconHandle big_, small_;
};

}  // namespace dv::win32
