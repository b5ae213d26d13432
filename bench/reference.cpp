// The least any night-mode program must do: a layered, click-through,
// top-most window over each monitor, raised every 20 ms (the first to the
// top, each other right below the one before), and a key poll every 100 ms.
// The benchmark compares Duskveil's idle cost with this one's.
#include <windows.h>

namespace {

HWND g_layers[8];
int g_count = 0;

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_TIMER) {
        if (w == 1) {
            SetWindowPos(g_layers[0], HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            for (int i = 1; i < g_count; ++i)
                SetWindowPos(g_layers[i], g_layers[i - 1], 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        if (w == 2) GetAsyncKeyState(VK_F7);
        return 0;
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, m, w, l);
}

}  // namespace

BOOL CALLBACK AddLayer(HMONITOR, HDC, LPRECT r, LPARAM instance) {
    if (g_count == 8) return FALSE;
    HWND h = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                             L"NightReference", L"reference", WS_POPUP, r->left, r->top,
                             r->right - r->left, r->bottom - r->top, nullptr, nullptr,
                             reinterpret_cast<HINSTANCE>(instance), nullptr);
    SetLayeredWindowAttributes(h, 0, 150, LWA_ALPHA);
    ShowWindow(h, SW_SHOWNA);
    g_layers[g_count++] = h;
    return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(0, 64, 0));
    wc.lpszClassName = L"NightReference";
    RegisterClassW(&wc);
    EnumDisplayMonitors(nullptr, nullptr, AddLayer, reinterpret_cast<LPARAM>(instance));
    if (g_count == 0) return 1;
    SetTimer(g_layers[0], 1, 20, nullptr);
    SetTimer(g_layers[0], 2, 100, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
