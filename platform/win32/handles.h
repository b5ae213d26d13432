// Small move-only owners for the system's handles. Copying is deleted, so a
// handle is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace dv::win32 {

// The program's handles are the system's window handles.
inline HWND H(Handle h) { return reinterpret_cast<HWND>(h); }

template <typename T, typename Traits>
class Owned {
   public:
    Owned() = default;
    explicit Owned(T h) : h_(h) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }
    T Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    void Reset(T h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }

   private:
    T h_ = Traits::Invalid();
};

struct KernelTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
template <typename T>
struct GdiTraits {
    static T Invalid() { return nullptr; }
    static void Close(T h) { DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct KeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct MemDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

struct WinEventTraits {
    static HWINEVENTHOOK Invalid() { return nullptr; }
    static void Close(HWINEVENTHOOK h) { UnhookWinEvent(h); }
};

using KernelHandle = Owned<HANDLE, KernelTraits>;
using FontHandle = Owned<HFONT, GdiTraits<HFONT>>;
using PenHandle = Owned<HPEN, GdiTraits<HPEN>>;
using BitmapHandle = Owned<HBITMAP, GdiTraits<HBITMAP>>;
using IconHandle = Owned<HICON, IconTraits>;
using RegKey = Owned<HKEY, KeyTraits>;
using MemoryDc = Owned<HDC, MemDcTraits>;
using WinEventHook = Owned<HWINEVENTHOOK, WinEventTraits>;

// Selects an object into a DC for one scope and puts the old one back.
class Selection {
   public:
    Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

   private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's DC for one scope.
class WindowDc {
   public:
    explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
    ~WindowDc() { ReleaseDC(w_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

   private:
    HWND w_;
    HDC dc_;
};

}  // namespace dv::win32
