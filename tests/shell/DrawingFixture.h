// The main window's drawing as a recording canvas sees it: a fixture with a laid-out window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "ShellRig.h"
#include "common/Text.h"
#include "records/RecordSamples.h"
#include "shell/MainDrawing.h"

namespace tallowen::testing {

using Op = CanvasCall::Op;
constexpr std::uint32_t kBack = 0xD8E0E4;
constexpr std::uint32_t kBack2 = 0xCDCDCD;

class Drawing : public ::testing::Test {
protected:
    Drawing() {
        layout.baseWidth = 390;
        layout.baseHeight = 420;
        layout.cmdEndBottom = 380;  // the auction area starts at y0 = 388
        layout.recordListLeft = 300;
        layout.borderY = 400;
        layout.innerWidth = 380;
        layout.backColor = kBack;
        layout.backColor2 = kBack2;
        layout.spareHeight = 23;
        canvas.extent = Rect{0, 0, 380, 800};
    }
    std::vector<CanvasCall> TextsOf(std::string_view text) const {
        std::vector<CanvasCall> found;
        for (const CanvasCall& c : canvas.Texts())
            if (c.text == text) found.push_back(c);
        return found;
    }
    CanvasCall TextOf(std::string_view text) const {
        const auto found = TextsOf(text);
        if (found.empty()) ADD_FAILURE() << "no text \"" << text << "\"";
        return found.empty() ? CanvasCall{} : found.front();
    }
    bool Drew(std::string_view text) const { return !TextsOf(text).empty(); }

    RecordingCanvas canvas;
    TextPen pen;
    CardMetrics cards;
    MainLayout layout;
    Surface s{canvas, pen, cards, "メイリオ"};
    bool border = false;
};

inline Deal Auction(int rounds) {
    Deal deal;
    deal.Rounds = rounds;
    deal.Names = {"Al_Bo", "Eastwood", "Southpaw", "Westerly"};
    deal.AuctionNames = {"n-auc", "e-auc", "s-auc", "w-auc"};
    return deal;
}

}  // namespace tallowen::testing
