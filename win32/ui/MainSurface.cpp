#include "win32/ui/MainSurface.h"

#include "shell/FormLoad.h"
#include "shell/MainDrawing.h"

namespace tallowen {

MainSurface::MainSurface(HWND window, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                         const CardMetrics& metrics)
    : window_(window), metrics_(metrics), buffer_(fonts, &sheets) {}

MainSurface::~MainSurface() = default;

void MainSurface::Attach(AppContext& app, const MainGeometry& geometry) {
    app_ = &app;
    geometry_ = geometry;
    buffer_.FitTo(window_);
    buffer_.Draw().Fill(Rect{0, 0, buffer_.Width(), buffer_.Height()}, Layout().backColor);
}

MainLayout MainSurface::Layout() const {
    MainLayout layout;
    layout.baseWidth = geometry_.baseWidth;
    layout.baseHeight = geometry_.baseHeight;
    layout.cmdEndBottom = geometry_.cmdEndBottom;
    layout.recordListLeft = geometry_.recordListLeft;
    layout.borderY = geometry_.borderY;
    layout.innerWidth = geometry_.innerWidth;
    layout.designPoints = kDesignPoints;
    layout.backColor = kDesignBack;
    if (app_) {
        TakeSettings(layout, app_->settings);
        TakeGameWindows(layout, app_->game.windows);
    }
    return layout;
}

WindowSize MainSurface::AuctionSize(const Deal& deal) const {
    return AuctionWindowSize(Layout(), deal.Rounds);
}

void MainSurface::DrawAuction(const Deal& deal, int mode) {
    buffer_.FitTo(window_);
    Surface s{buffer_.Draw(), pen_, metrics_,
              app_ ? app_->interfaceFont : std::string(kDesignFont)};
    DrawAuctionArea(s, Layout(), deal, mode, borderShown_);
    Redraw();
}

void MainSurface::DrawDeal(const Deal& deal, const std::array<int, 4>& rotation) {
    const MainLayout layout = Layout();
    Surface s{buffer_.Draw(), pen_, metrics_,
              app_ ? app_->interfaceFont : std::string(kDesignFont)};
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
