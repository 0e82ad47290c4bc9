#include "TestWindow.h"

#include <windowsx.h>

namespace tallowen::testing {
namespace {

const wchar_t kClass[] = L"TallowenTestWindow";

void RegisterOnce(WNDPROC procedure) {
    static bool done = [procedure] {
        WNDCLASSW c{};
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursor(nullptr, IDC_ARROW);
        c.lpszClassName = kClass;
        return RegisterClassW(&c) != 0;
    }();
    (void)done;
}

}  // namespace

COLORREF PatternAt(int x, int y) {
    return RGB((x % 32) * 8, (y % 32) * 8, 192);
}

std::uint16_t Pattern555(int x, int y) {
    return std::uint16_t(((x % 32) << 10) | ((y % 32) << 5) | (192 >> 3));
}

TestWindow::TestWindow(const std::wstring& title, RECT place, DWORD style, Painter paint)
    : paint_(std::move(paint)) {
    RegisterOnce(&TestWindow::Procedure);
    const bool popup = (style & WS_POPUP) != 0;
    window_ =
        CreateWindowExW(popup ? WS_EX_TOOLWINDOW : 0, kClass, title.c_str(), style, place.left,
                        place.top, place.right - place.left, place.bottom - place.top, nullptr,
                        nullptr, GetModuleHandleW(nullptr), this);
    ShowWindow(window_, popup ? SW_SHOWNOACTIVATE : SW_SHOW);
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (popup ? SWP_NOACTIVATE : 0));
    UpdateWindow(window_);
    Pump(60);
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
    Pump(10);
}

POINT TestWindow::ClientToScreenPoint(POINT client) const {
    ClientToScreen(window_, &client);
    return client;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    switch (message) {
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            self->clicks.push_back({message, {GET_X_LPARAM(l), GET_Y_LPARAM(l)}});
            return 0;
        case WM_TIMER:
            ++self->timerTicks;
            return 0;
        case WM_APP:
            ++self->appMessages;
            return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

// The whole client area in one SetDIBitsToDevice, from a top-down 32-bit picture.
void TestWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    const int w = client.right, h = client.bottom;
    if (w > 0 && h > 0) {
        std::vector<std::uint32_t> pixels(std::size_t(w) * std::size_t(h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                COLORREF c = paint_(x, y);
                pixels[std::size_t(y) * w + x] =
                    (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        SetDIBitsToDevice(dc, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), pixels.data(), &info,
                          DIB_RGB_COLORS);
    }
    EndPaint(window_, &ps);
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

}  // namespace tallowen::testing
