// A reading context over a one-picture desktop, prepared for a language edition.
#pragma once

#include <memory>

#include "HandFont.h"
#include "reading/Capture.h"
#include "reading/GlyphTable.h"
#include "reading/ReadingContext.h"
#include "sim/NullBackends.h"

namespace tallowen::testing {

struct ReadingRig {
    explicit ReadingRig(Image555 picture, int language = 1, std::string title = "Bridge Bidding")
        : desktop(std::move(picture), std::move(title)), ctx(desktop, clock, sound, windows) {
        windows.language = language;
        for (auto& h : windows.handle) h = ImageDesktop::kWindow;
        windows.table = ImageDesktop::kWindow;
        LoadGlyphTable(ctx.glyphs, sound);
        ctx.glyphs.currentSet = 1;
        ctx.glyphs.ready = true;
        PrepareGlyphSet(ctx.glyphs, 1, language);
        ctx.report = [this](const std::vector<std::string>& lines) { reports.push_back(lines); };
    }
    // Captures the window's whole client area into GameGrid.
    int Capture() {
        return CaptureWindowRect(ctx, ImageDesktop::kWindow, ctx.GameGrid, Rect{}, true);
    }

    ImageDesktop desktop;
    ManualClock clock;
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx;
    std::vector<std::vector<std::string>> reports;
};

}  // namespace tallowen::testing
