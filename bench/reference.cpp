// The least any night-mode program must do: one layered, click-through,
// top-most window over the screen, raised every 20 ms, and a key poll every
// 100 ms. The benchmark compares Duskveil's idle cost with this one's.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_TIMER) {
        if (w == 1) SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (w == 2) GetAsyncKeyState(VK_F7);
        return 0;
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(0, 64, 0));
    wc.lpszClassName = L"NightReference";
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                             wc.lpszClassName, L"reference", WS_POPUP, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, instance, nullptr);
    SetLayeredWindowAttributes(h, 0, 150, LWA_ALPHA);
    ShowWindow(h, SW_SHOWNA);
    SetTimer(h, 1, 20, nullptr);
    SetTimer(h, 2, 100, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
