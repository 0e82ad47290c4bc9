// One window procedure for every window class of ours: the object that makes a window hands
// itself to CreateWindowExW, the procedure keeps it in the window's user data from WM_NCCREATE
// on and passes each message to its HandleMessage(message, w, l). Messages that come before
// WM_NCCREATE (WM_GETMINMAXINFO does) or after the object has let go of its window get the
// default handling.
#pragma once

#include <windows.h>

namespace tallowen::win32 {

// What a window class is registered with; its cursor is the arrow.
struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = 0;
    HICON icon = nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
};

// Registers the class unless this instance has it already (the first registration stays).
inline void RegisterWindowClassOnce(const WindowClass& cls, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(cls.instance, cls.name, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = cls.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = cls.instance;
    wc.hIcon = cls.icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = cls.name;
    RegisterClassExW(&wc);
}

// Where a new window goes, in CreateWindowExW's terms.
struct WindowPlace {
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
};

// T derives from BaseWindow<T> and has LRESULT HandleMessage(UINT, WPARAM, LPARAM).
template <class T>
class BaseWindow {
public:
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Handle() const { return window_; }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
        T* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<T*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            if (self) self->BaseWindow::window_ = window;
        } else {
            self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcW(window, message, w, l);
        if (message == WM_NCDESTROY) {
            // The last message: the object no longer has a window.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->BaseWindow::window_ = nullptr;
            return DefWindowProcW(window, message, w, l);
        }
        return self->HandleMessage(message, w, l);
    }

protected:
    BaseWindow() = default;
    // The window goes with its object at the latest, without telling the object (it is gone).
    ~BaseWindow() { Destroy(); }

    // Registers the class on first use and makes the window (Handle() stays null when it
    // could not be made).
    void Create(const WindowClass& cls, const wchar_t* title, DWORD style, DWORD exStyle,
                WindowPlace place, HWND parent = nullptr, HMENU menu = nullptr) {
        RegisterWindowClassOnce(cls, &WindowProc);
        window_ = CreateWindowExW(exStyle, cls.name, title, style, place.x, place.y, place.width,
                                  place.height, parent, menu, cls.instance, static_cast<T*>(this));
    }

    // Destroys the window without passing its last messages on.
    void Destroy() {
        if (!window_) return;
        HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }

    // The default handling, for HandleMessage's messages it leaves alone.
    LRESULT Default(UINT message, WPARAM w, LPARAM l) const {
        return DefWindowProcW(window_, message, w, l);
    }

private:
    HWND window_ = nullptr;
};

}  // namespace tallowen::win32
