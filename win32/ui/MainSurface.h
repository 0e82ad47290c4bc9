// The main window's own surface: a picture the size of the client area into which the deal,
// the auction and the alert border are drawn, painted from on WM_PAINT.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "reading/CardSheets.h"
#include "records/Deal.h"
#include "shell/AppContext.h"
#include "win32/GdiCanvas.h"

namespace tallowen {

class MainSurface {
public:
    MainSurface(HWND window, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                const CardMetrics& metrics);
    ~MainSurface();
    MainSurface(const MainSurface&) = delete;
    MainSurface& operator=(const MainSurface&) = delete;

    void Attach(AppContext& app);
    // Returns the client height the window takes for this auction (0: unchanged).
    int DrawAuction(const Deal& deal, int mode);
    void DrawDeal(const Deal& deal, const std::array<int, 4>& rotation);
    void Border(bool shown);
    void Present(HDC dc);

private:
    HWND window_;
    win32::GdiSheets& sheets_;
    const CardMetrics& metrics_;
    win32::BackBuffer buffer_;
    AppContext* app_ = nullptr;
};

}  // namespace tallowen
