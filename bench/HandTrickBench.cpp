// The last-hand, last-trick, tricks-count and button readers on hand-drawn windows, with the
// copy reduced to a block move so that the figures show the reading.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "reading/Buttons.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/ReaderPictures.h"  // tests/reading
#include "reading/ReadingContext.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using namespace testing;

// Whole-picture copies come from rows prepared once; other areas are copied as usual.
class PreparedDesktop : public ImageDesktop {
public:
    explicit PreparedDesktop(Image555 image) : ImageDesktop(image, "Game: Bridge") {
        const int w = image.width, h = image.height, stride = w + (w & 1);
        rows_.assign(std::size_t(stride) * std::size_t(h), 0);
        for (int y = 0; y < h; ++y)
            std::copy_n(image.pixels.begin() + std::ptrdiff_t(y) * w, w,
                        rows_.begin() + std::ptrdiff_t(h - 1 - y) * stride);
    }
    int CopyPixels(WindowHandle window, Rect area, bool client,
                   std::vector<std::uint16_t>& out) override {
        if (out.size() == rows_.size() && area.left == 0 && area.top == 0) {
            std::copy(rows_.begin(), rows_.end(), out.begin());
            return area.Height();
        }
        return ImageDesktop::CopyPixels(window, area, client, out);
    }

private:
    std::vector<std::uint16_t> rows_;
};

struct Rig {
    explicit Rig(Image555 picture)
        : desktop(std::move(picture)), ctx(desktop, clock, sound, windows) {
        windows.language = 1;
        for (auto& h : windows.handle) h = ImageDesktop::kWindow;
        windows.table = ImageDesktop::kWindow;
        LoadGlyphTable(ctx.glyphs, sound);
        ctx.glyphs.currentSet = 1;
        ctx.glyphs.ready = true;
        PrepareGlyphSet(ctx.glyphs, 1, 1);
    }
    PreparedDesktop desktop;
    ManualClock clock;  // waits cost nothing: the figures show the reading
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx;
};

HandPicture FullHand() {
    HandPicture p;
    const char* ranks[] = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
    for (int h = 0; h < 4; ++h)
        for (int k = 0; k < 13; ++k)
            p.words[std::size_t(h)][std::size_t(k)] =
                (k == 4 ? "[" : "") + std::string(ranks[k]) + "CDHS"[h] + (k == 4 ? "]" : "");
    return p;
}

void BM_CaptHand(benchmark::State& state) {
    Rig rig(FullHand().Paint());
    HandReading hand;
    for (auto _ : state) {
        hand = CaptHand(rig.ctx, false);
        benchmark::DoNotOptimize(hand);
    }
    if (hand.result != CaptureResult::Read || hand.cards[3][12] != "2S")
        state.SkipWithError("hand not read");
}
BENCHMARK(BM_CaptHand)->Unit(benchmark::kMicrosecond);

void BM_CaptTrick(benchmark::State& state) {
    TrickPicture p;
    p.cards = {{{0, 10}, {1, 14}, {2, 2}, {3, 12}}};
    Rig rig(p.Paint());
    CardImageTable images;
    LoadCardImages(images, rig.sound);
    TrickState trick;
    TrickReading read;
    for (auto _ : state) {
        read = CaptTrick(rig.ctx, images, trick, TrickMode::Store);
        benchmark::DoNotOptimize(read);
    }
    if (read.ranks[0] != 10) state.SkipWithError("trick not read");
}
BENCHMARK(BM_CaptTrick)->Unit(benchmark::kMicrosecond);

// range(0): 1 = the counts stay on the rows read last time, 0 = every read scans the box.
void BM_CaptureTotalTricks(benchmark::State& state) {
    TablePicture t;
    t.boxLines = {{6, "Tricks: 5"}, {30, "Contract"}, {56, "Tricks: 3"}};
    Rig rig(t.Paint());
    InfoBoxState box;
    LocateInfoBox(rig.ctx, box);
    int we = -1, they = -1;
    for (auto _ : state) {
        if (state.range(0) == 0) box.remembered = {-1, -1};
        CaptureTotalTricks(rig.ctx, box, we, they);
    }
    if (we != 5 || they != 3) state.SkipWithError("counts not read");
}
BENCHMARK(BM_CaptureTotalTricks)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LocateInfoBox(benchmark::State& state) {
    Rig rig(TablePicture().Paint());
    for (auto _ : state) {
        InfoBoxState box;
        benchmark::DoNotOptimize(LocateInfoBox(rig.ctx, box));
    }
}
BENCHMARK(BM_LocateInfoBox)->Unit(benchmark::kMicrosecond);

void BM_ScanButtons(benchmark::State& state) {
    Rig rig(TablePicture().Paint());
    for (auto _ : state) {
        ButtonState buttons;
        ScanButtons(rig.ctx, buttons);
        benchmark::DoNotOptimize(buttons);
    }
}
BENCHMARK(BM_ScanButtons)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallowen
