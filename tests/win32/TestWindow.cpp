#include "TestWindow.h"

#include <windowsx.h>

#include "win32/ScopedWin.h"

namespace tallowen::testing {

COLORREF PatternAt(int x, int y) {
    return RGB((x % 32) * 8, (y % 32) * 8, 192);
}

std::uint16_t Pattern555(int x, int y) {
    return std::uint16_t(((x % 32) << 10) | ((y % 32) << 5) | (192 >> 3));
}

TestWindow::TestWindow(const std::wstring& title, RECT place, DWORD style, Painter paint)
    : paint_(std::move(paint)) {
    const bool popup = (style & WS_POPUP) != 0;
    Create(win32::WindowClass{.name = L"TallowenTestWindow"}, title.c_str(), style,
           popup ? WS_EX_TOOLWINDOW : 0,
           {place.left, place.top, place.right - place.left, place.bottom - place.top});
    ShowWindow(Handle(), popup ? SW_SHOWNOACTIVATE : SW_SHOW);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (popup ? SWP_NOACTIVATE : 0));
    UpdateWindow(Handle());
    Pump(60);
}

TestWindow::~TestWindow() {
    Destroy();
    Pump(10);
}

POINT TestWindow::ClientToScreenPoint(POINT client) const {
    ClientToScreen(Handle(), &client);
    return client;
}

LRESULT TestWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            clicks.push_back({message, {GET_X_LPARAM(l), GET_Y_LPARAM(l)}});
            return 0;
        case WM_TIMER:
            ++timerTicks;
            return 0;
        case WM_APP:
            ++appMessages;
            return 0;
    }
    return Default(message, w, l);
}

// The whole client area in one SetDIBitsToDevice, from a top-down 32-bit picture.
void TestWindow::Paint() {
    win32::ScopedPaint paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
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
        SetDIBitsToDevice(paint.Get(), 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), pixels.data(),
                          &info, DIB_RGB_COLORS);
    }
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
