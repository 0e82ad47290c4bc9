#include "win32/ui/MainSurface.h"

namespace tallowen {

struct MainSurface::State {};

MainSurface::MainSurface(HWND window) : window_(window), state_(std::make_unique<State>()) {}
MainSurface::~MainSurface() = default;

void MainSurface::Attach(AppContext& app) {
    app_ = &app;
}

int MainSurface::DrawAuction(const Deal&, int) {
    return 0;
}

void MainSurface::DrawDeal(const Deal&, const std::array<int, 4>&) {}

void MainSurface::Border(bool) {}

void MainSurface::Present(HDC dc) {
    RECT r;
    GetClientRect(window_, &r);
    std::uint32_t back = app_ && app_->settings.backColor ? *app_->settings.backColor : 0xE0E0E0;
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace tallowen
