// The main window's own surface: a picture the size of the client area into which the deal,
// the auction and the alert border are drawn, painted from on WM_PAINT.
#pragma once

#include <windows.h>

#include <array>

#include "reading/CardSheets.h"
#include "records/Deal.h"
#include "shell/AppContext.h"
#include "shell/MainDrawing.h"
#include "win32/GdiCanvas.h"

namespace tallowen {

// Where the window's own controls put the drawing's edges (pixels).
struct MainGeometry {
    int baseWidth = 0, baseHeight = 0;  // outer size at start-up
    int cmdEndBottom = 0;
    int recordListLeft = 0;
    int borderY = 0;  // inner height at start-up
    int innerWidth = 0;
};

class MainSurface {
public:
    MainSurface(HWND window, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                const CardMetrics& metrics);
    ~MainSurface();
    MainSurface(const MainSurface&) = delete;
    MainSurface& operator=(const MainSurface&) = delete;

    void Attach(AppContext& app, const MainGeometry& geometry);
    // The window's outer size for this auction; the window takes it before DrawAuction.
    WindowSize AuctionSize(const Deal& deal) const;
    void DrawAuction(const Deal& deal, int mode);
    void DrawDeal(const Deal& deal, const std::array<int, 4>& rotation);
    void Border(bool shown);
    void Present(HDC dc);

private:
    MainLayout Layout() const;
    void Redraw();

    HWND window_;
    const CardMetrics& metrics_;
    win32::BackBuffer buffer_;
    AppContext* app_ = nullptr;
    MainGeometry geometry_;
    TextPen pen_;
    bool borderShown_ = false;
};

}  // namespace tallowen
