// Owners for the few GDI handles the utility's window takes, and the UTF-8 / UTF-16 turns of
// its texts. Each owner gives its handle back exactly once; copying is forbidden.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace tallowen::ui {

// A font, brush or other GDI object, deleted when the owner goes.
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(HGDIOBJ h) : h_(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        Reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    ~GdiObject() { Reset(); }

    HGDIOBJ Get() const { return h_; }
    void Reset(HGDIOBJ h = nullptr) {
        HGDIOBJ old = std::exchange(h_, h);
        if (old) DeleteObject(old);
    }

private:
    HGDIOBJ h_ = nullptr;
};

// A memory device context for measuring text.
class MemoryDC {
public:
    MemoryDC() : dc_(CreateCompatibleDC(nullptr)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object and puts the previous one back on the way out.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

inline std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

}  // namespace tallowen::ui
