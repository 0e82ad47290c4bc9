// Thin owners for the Win32 handles the program takes: each gives back what it took exactly
// once, on every path out. Copying is forbidden (a handle has one owner); moving hands it on.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace tallowen::win32 {

// One handle of type T, given back by Traits::Free when the owner goes.
template <class T, class Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(T handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~Unique() { Reset(); }

    T Get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }
    T Release() { return std::exchange(handle_, Traits::None()); }
    void Reset(T handle = Traits::None()) {
        T old = std::exchange(handle_, handle);
        if (Traits::Valid(old)) Traits::Free(old);
    }

private:
    T handle_ = Traits::None();
};

template <class T>
struct GdiObjectTraits {
    static T None() { return nullptr; }
    static bool Valid(T h) { return h != nullptr; }
    static void Free(T h) { DeleteObject(h); }
};
using ScopedBitmap = Unique<HBITMAP, GdiObjectTraits<HBITMAP>>;
using ScopedFont = Unique<HFONT, GdiObjectTraits<HFONT>>;
using ScopedBrush = Unique<HBRUSH, GdiObjectTraits<HBRUSH>>;
using ScopedPen = Unique<HPEN, GdiObjectTraits<HPEN>>;

// A memory device context from CreateCompatibleDC.
struct MemoryDCTraits {
    static HDC None() { return nullptr; }
    static bool Valid(HDC h) { return h != nullptr; }
    static void Free(HDC h) { DeleteDC(h); }
};
using ScopedMemoryDC = Unique<HDC, MemoryDCTraits>;

// Kernel handles; file functions report failure as INVALID_HANDLE_VALUE, the others as null.
struct KernelHandleTraits {
    static HANDLE None() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};
using ScopedHandle = Unique<HANDLE, KernelHandleTraits>;

// A window's device context (GetDC: the client area, GetWindowDC: the whole window, a null
// window: the screen), released to the window it came from.
class ScopedDC {
public:
    ScopedDC() = default;
    static ScopedDC Client(HWND window) { return ScopedDC(window, GetDC(window)); }
    static ScopedDC Whole(HWND window) { return ScopedDC(window, GetWindowDC(window)); }
    static ScopedDC Screen() { return Client(nullptr); }

    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;
    ScopedDC(ScopedDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    ScopedDC& operator=(ScopedDC&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~ScopedDC() { Reset(); }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    ScopedDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    void Reset() {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// A window's painting between BeginPaint and EndPaint: EndPaint comes on every way out, so the
// display context goes back and the window's invalid area stays validated.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    ~ScopedPaint() { EndPaint(window_, &ps_); }

    HDC Get() const { return dc_; }
    // The part of the client area to be painted.
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back on the way out, so
// that the object can be deleted afterwards (GDI refuses to delete a selected object).
class ScopedSelect {
public:
    ScopedSelect() = default;
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc) {
        HGDIOBJ previous = dc && object ? SelectObject(dc, object) : nullptr;
        previous_ = previous == HGDI_ERROR ? nullptr : previous;
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ScopedSelect(ScopedSelect&& other) noexcept
        : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
    ScopedSelect& operator=(ScopedSelect&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = other.dc_;
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    ~ScopedSelect() { Restore(); }

    // Puts the previous object back now.
    void Restore() {
        if (previous_) SelectObject(dc_, std::exchange(previous_, nullptr));
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A COM interface pointer, released once.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) p_->Release();
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For functions that hand out a new reference.
    void** Out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// A BSTR, freed once.
class ScopedBstr {
public:
    explicit ScopedBstr(const wchar_t* text) : s_(SysAllocString(text)) {}
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    ~ScopedBstr() { SysFreeString(s_); }
    BSTR Get() const { return s_; }

private:
    BSTR s_;
};

// COM on this thread for the owner's lifetime; a thread already in another apartment model
// may still use COM, but must not be uninitialised by us.
class ScopedComInit {
public:
    ScopedComInit() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
    ~ScopedComInit() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

}  // namespace tallowen::win32
