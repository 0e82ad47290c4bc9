// A desktop that holds one picture as one window: enough to run the readers on a saved or
// hand-made image. A repaint hook lets a caller redraw the window when it is resized.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Sound.h"

namespace tallowen {

// A picture of 5-5-5 pixels, rows top-down.
struct Image555 {
    int width = 0, height = 0;
    std::vector<std::uint16_t> pixels;

    Image555() = default;
    Image555(int w, int h, std::uint16_t fill = 0x7FFF);
    std::uint16_t At(int x, int y) const;  // 0 outside
    void Set(int x, int y, std::uint16_t p);
    void Fill(int x0, int y0, int x1, int y1, std::uint16_t p);  // x1, y1 exclusive
};

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

// A clock whose time moves only when someone waits; waits cost nothing.
class ManualClock : public Clock {
public:
    std::uint32_t Ticks() override { return now_; }
    void Wait(std::uint32_t ms) override { now_ += ms + 1; }
    void DoEvents() override {}

private:
    std::uint32_t now_ = 0;
};

// Counts beeps and remembers the aliases played.
class CountingSound : public Sound {
public:
    void Beep() override { ++beeps; }
    void PlayAlias(std::string_view alias) override { aliases.emplace_back(alias); }
    int beeps = 0;
    std::vector<std::string> aliases;
};

}  // namespace tallowen
