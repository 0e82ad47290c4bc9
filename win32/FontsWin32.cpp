// The installed screen fonts and text widths, as GDI measures them on the screen.
#include <windows.h>

#include <optional>
#include <set>

#include "win32/GdiFonts.h"
#include "win32/WideText.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM into) {
    reinterpret_cast<std::set<std::string>*>(into)->insert(win32::Narrow(font->lfFaceName));
    return 1;
}

class Win32Fonts final : public Fonts {
public:
    // Names compare exactly, as the program's font choices expect.
    bool Installed(std::string_view face) override {
        if (!faces_) faces_ = Enumerate();
        return faces_->count(std::string(face)) != 0;
    }

    int TextWidth(std::string_view face, double points, bool bold, std::string_view text) override {
        win32::ScopedDC screen = win32::ScopedDC::Screen();
        FontSpec spec{std::string(face), points, bold};
        return win32::Extent(screen.Get(), fonts_.Get(spec),
                             fonts_.Prepare(screen.Get(), spec, text))
            .cx;
    }

private:
    // Listed once: fonts installed while the program runs are not looked for.
    static std::set<std::string> Enumerate() {
        std::set<std::string> faces;
        win32::ScopedDC screen = win32::ScopedDC::Screen();
        if (!screen) return faces;
        LOGFONTW all{};
        all.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExW(screen.Get(), &all, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
        return faces;
    }

    std::optional<std::set<std::string>> faces_;
    win32::GdiFonts fonts_;
};

}  // namespace

std::unique_ptr<Fonts> MakeWin32Fonts() {
    return std::make_unique<Win32Fonts>();
}

}  // namespace tallowen
