#include "win32/ui/MainSurface.h"
#include "shell/FormLoad.h"

namespace tallowen {

MainSurface::MainSurface(HWND window, win32::GdiFonts& fonts, win32::GdiSheets& sheets,
                         const CardMetrics& metrics)
    : window_(window), sheets_(sheets), metrics_(metrics), buffer_(fonts, &sheets) {}

MainSurface::~MainSurface() = default;

void MainSurface::Attach(AppContext& app) {
    app_ = &app;
    buffer_.FitTo(window_);
    buffer_.Draw().Fill(Rect{0, 0, buffer_.Width(), buffer_.Height()},
                        app.settings.backColor.value_or(kDesignBack));
}

int MainSurface::DrawAuction(const Deal&, int) {
    return 0;
}

void MainSurface::DrawDeal(const Deal&, const std::array<int, 4>&) {}

void MainSurface::Border(bool) {}

void MainSurface::Present(HDC dc) {
    buffer_.Present(dc);
}

}  // namespace tallowen
