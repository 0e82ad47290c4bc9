// The main window's own surface: a picture the size of the client area into which the deal,
// the auction and the alert border are drawn, painted from on WM_PAINT.
#pragma once

#include <windows.h>

#include <array>

#include "reading/CardSheets.h"
#include "records/Deal.h"
#include "shell/MainDrawing.h"
#include "shell/Views.h"
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

    void Attach(const MainGeometry& geometry, const ViewLook& look);
    void SetLook(const ViewLook& look) { look_ = look; }
    // The window's outer size for this auction; the window takes it before DrawAuction.
    WindowSize AuctionSize(const Deal& deal, const ClientFacts& client) const;
    void DrawAuction(const Deal& deal, int mode, const ClientFacts& client);
    void DrawDeal(const Deal& deal, const std::array<int, 4>& rotation);
    void Border(bool shown);
    void Present(HDC dc);

private:
    // The client's facts matter to the auction area only.
    MainLayout Layout(const ClientFacts& client = {}) const;
    void Redraw();

    HWND window_;
    const CardMetrics& metrics_;
    win32::BackBuffer buffer_;
    ViewLook look_;
    MainGeometry geometry_;
    TextPen pen_;
    bool borderShown_ = false;
};

}  // namespace tallowen
