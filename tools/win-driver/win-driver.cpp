// A small driver for the Windows programs' tests: finds a top-level window by the start of
// its title and waits for it (or for its end), reads its texts, clicks a button with the real
// mouse, presses Esc, closes it, reads a pixel, or saves a picture of its client area as a
// PNG file.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/win-driver/PngFile.h"

namespace {

struct Found {
    std::wstring prefix;
    HWND window = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (std::wstring(title).rfind(found->prefix, 0) != 0) return TRUE;
    found->window = window;
    return FALSE;
}

HWND FindTop(const std::wstring& prefix) {
    Found found{prefix};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

// A window's text through WM_GETTEXT, which also reaches windows that paint their own text;
// a program busy for two seconds gives nothing.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &got))
        return {};
    text.resize(std::min<std::size_t>(got, length));
    return text;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND top) {
    std::vector<HWND> all;
    EnumChildWindows(top, &CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring AllText(HWND top) {
    std::wstring all = TextOf(top) + L"\n";
    for (HWND child : Children(top)) all += TextOf(child) + L"\n";
    return all;
}

void PrintUtf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr,
                            nullptr);
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// Waits for the window (and, when given, for a text in it); 0 when it came in time.
int WaitFor(const std::wstring& prefix, DWORD ms, const std::wstring& text) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND top = FindTop(prefix);
        if (top && (text.empty() || AllText(top).find(text) != std::wstring::npos)) return 0;
        if (GetTickCount() - start > ms) break;
        Sleep(100);
    }
    std::fprintf(stderr, "timed out\n");
    return 1;
}

int WaitGone(const std::wstring& prefix, DWORD ms) {
    const DWORD start = GetTickCount();
    while (FindTop(prefix)) {
        if (GetTickCount() - start > ms) return 1;
        Sleep(50);
    }
    return 0;
}

int Click(HWND top, const std::wstring& caption) {
    for (HWND child : Children(top)) {
        if (TextOf(child) != caption) continue;
        RECT r{};
        GetWindowRect(child, &r);
        SetForegroundWindow(top);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_MOUSE;
        press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        return SendInput(2, press, sizeof(INPUT)) == 2 ? 0 : 1;
    }
    std::fprintf(stderr, "no such button\n");
    return 1;
}

// Esc as the window's thread receives it: posted to the control that has the focus.
int PressEsc(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = top;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) && info.hwndFocus)
        target = info.hwndFocus;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, LPARAM(0xC0010001u));
    return 0;
}

int Shot(HWND top, const std::wstring& file) {
    // The client area: without a window manager the frame is not drawn where a capture
    // would find it.
    RECT r{};
    GetClientRect(top, &r);
    MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return 1;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> bgra(std::size_t(w) * std::size_t(h) * 4);
    const int rows = GetDIBits(memory, bitmap, 0, UINT(h), bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != h) return 1;
    return tallowen::WritePng(file, w, h, bgra) ? 0 : 1;
}

// The colour at a point of the client area, as a Windows colour value (red in the low byte).
int Pixel(HWND top, int x, int y) {
    POINT at{x, y};
    ClientToScreen(top, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    if (colour == CLR_INVALID) return 1;
    std::printf("%06lX\n", static_cast<unsigned long>(colour));
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tallowen-win-driver wait <title-prefix> <ms> [text]\n"
                 "       tallowen-win-driver gone <title-prefix> <ms>\n"
                 "       tallowen-win-driver click <title-prefix> <button caption>\n"
                 "       tallowen-win-driver key <title-prefix> esc\n"
                 "       tallowen-win-driver close <title-prefix>\n"
                 "       tallowen-win-driver text <title-prefix>\n"
                 "       tallowen-win-driver pixel <title-prefix> <x> <y>\n"
                 "       tallowen-win-driver shot <title-prefix> <file.png>\n");
    return 2;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) return Usage();
    const std::wstring command = argv[1], prefix = argv[2];
    const std::wstring arg = argc > 3 ? argv[3] : L"";
    if (command == L"wait" && argc >= 4)
        return WaitFor(prefix, DWORD(_wtoi(argv[3])), argc > 4 ? argv[4] : L"");
    if (command == L"gone" && argc == 4) return WaitGone(prefix, DWORD(_wtoi(argv[3])));
    HWND top = FindTop(prefix);
    if (!top) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    if (command == L"click" && argc == 4) return Click(top, arg);
    if (command == L"key" && arg == L"esc") return PressEsc(top);
    if (command == L"close") return PostMessageW(top, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == L"shot" && argc == 4) return Shot(top, arg);
    if (command == L"pixel" && argc == 5) return Pixel(top, _wtoi(argv[3]), _wtoi(argv[4]));
    if (command == L"text") {
        PrintUtf8(AllText(top));
        return 0;
    }
    return Usage();
}
