#include "win32/ui/MainSurface.h"

#include "shell/FormLoad.h"
#include "shell/MainDrawing.h"

namespace tallowen {

MainSurface::MainSurface(HWND window, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                         const CardMetrics& metrics)
    : window_(window), metrics_(metrics), buffer_(fonts, &sheets) {}

MainSurface::~MainSurface() = default;

void MainSurface::Attach(const MainGeometry& geometry, const ViewLook& look) {
    look_ = look;
    geometry_ = geometry;
    buffer_.FitTo(window_);
    buffer_.Draw().Fill(Rect{0, 0, buffer_.Width(), buffer_.Height()}, Layout().backColor);
}

MainLayout MainSurface::Layout(const ClientFacts& client) const {
    MainLayout layout;
    layout.baseWidth = geometry_.baseWidth;
    layout.baseHeight = geometry_.baseHeight;
    layout.cmdEndBottom = geometry_.cmdEndBottom;
    layout.recordListLeft = geometry_.recordListLeft;
    layout.borderY = geometry_.borderY;
    layout.innerWidth = geometry_.innerWidth;
    layout.designPoints = kDesignPoints;
    layout.backColor = look_.backColor;
    layout.backColor2 = look_.backColor2;
    layout.language = client.language;
    layout.spareHeight = client.spareHeight;
    return layout;
}

WindowSize MainSurface::AuctionSize(const Deal& deal, const ClientFacts& client) const {
    return AuctionWindowSize(Layout(client), deal.Rounds);
}

void MainSurface::DrawAuction(const Deal& deal, int mode, const ClientFacts& client) {
    buffer_.FitTo(window_);
    Surface s{buffer_.Draw(), pen_, metrics_, look_.interfaceFont};
    DrawAuctionArea(s, Layout(client), deal, mode, borderShown_);
    Redraw();
}

void MainSurface::DrawDeal(const Deal& deal, const std::array<int, 4>& rotation) {
    const MainLayout layout = Layout();
    Surface s{buffer_.Draw(), pen_, metrics_, look_.interfaceFont};
    DrawPlayTable(s, layout, deal, rotation);
    DrawHands(s, layout, deal, rotation);
    DrawNamesResult(s, deal, rotation);
    Redraw();
}

void MainSurface::Border(bool shown) {
    const MainLayout layout = Layout();
    if (shown)
        DrawBorderLine(buffer_.Draw(), layout, borderShown_);
    else
        EraseBorderLine(buffer_.Draw(), layout, borderShown_);
    Redraw();
}

void MainSurface::Redraw() {
    InvalidateRect(window_, nullptr, FALSE);
}

void MainSurface::Present(HDC dc) {
    buffer_.Present(dc);
}

}  // namespace tallowen
