// A desktop that holds one picture as one window: enough to run the readers on a saved or
// hand-made image. A repaint hook lets a caller redraw the window when it is resized.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "reading/Image555.h"

namespace tallowen {

class ImageDesktop : public Desktop {
public:
    static constexpr WindowHandle kWindow = 0x100;
    static constexpr WindowHandle kDesktop = 0x10;

    ImageDesktop(Image555 image, std::string title, Rect screen = {0, 0, 1024, 768});

    // Called with the new client size whenever the window changes size; it repaints `image`.
    std::function<void(Image555& image, int width, int height)> repaint;

    Image555& Picture() { return image_; }
    Rect Place() const { return place_; }
    bool Topmost() const { return topmost_; }
    bool Minimized() const { return minimized_; }
    int Clicks() const { return clicks_; }
    int Copies() const { return copies_; }
    void SetPlace(Rect place) { place_ = place; }
    void SetMinimized(bool m) { minimized_ = m; }
    // Makes every copy fail from now on.
    void FailCopies(bool fail) { failCopies_ = fail; }

    std::vector<TopWindow> TopLevelWindows() override;
    WindowHandle DesktopWindow() override { return kDesktop; }
    Rect WindowRect(WindowHandle window) override;
    Rect ClientRect(WindowHandle window) override;
    Rect DesktopRect() override { return screen_; }
    void MoveWindow(WindowHandle window, Rect place) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    void Minimize(WindowHandle window) override;
    void Restore(WindowHandle window) override;
    int CopyPixels(WindowHandle window, Rect area, bool clientArea,
                   std::vector<std::uint16_t>& out) override;
    Point Cursor() override { return cursor_; }
    void SetCursor(Point at) override { cursor_ = at; }
    void LeftClick() override { ++clicks_; }

private:
    std::uint16_t ScreenPixel(int x, int y) const;

    Image555 image_;
    std::string title_;
    Rect screen_;
    Rect place_;
    bool topmost_ = false, minimized_ = false, failCopies_ = false;
    Point cursor_;
    int clicks_ = 0, copies_ = 0;
};

}  // namespace tallowen
