// Reading speed: one text line, and a whole bidding window read from a ready picture.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "reading/Bidding.h"
#include "reading/Capture.h"
#include "reading/GlyphTable.h"
#include "reading/Glyphs.h"
#include "reading/HandFont.h"  // tests/reading
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "sim/NullBackends.h"

namespace tallowen {
namespace {

using testing::BiddingPicture;
using testing::DrawText;

// A desktop whose one window is already in the shape of a capture (5-5-5, bottom-up), so
// that the copy is a plain block move and the figures show the reading.
class CapturedDesktop : public ImageDesktop {
public:
    explicit CapturedDesktop(Image555 image) : ImageDesktop(image, "Bridge Bidding") {
        const int w = image.width, h = image.height, stride = w + (w & 1);
        rows_.assign(std::size_t(stride) * std::size_t(h), 0);
        for (int y = 0; y < h; ++y)
            std::copy_n(image.pixels.begin() + std::ptrdiff_t(y) * w, w,
                        rows_.begin() + std::ptrdiff_t(h - 1 - y) * stride);
    }
    int CopyPixels(WindowHandle, Rect area, bool, std::vector<std::uint16_t>& out) override {
        if (out.size() != rows_.size()) return 0;
        std::copy(rows_.begin(), rows_.end(), out.begin());
        return area.Height();
    }

private:
    std::vector<std::uint16_t> rows_;
};

struct Bench {
    explicit Bench(Image555 picture)
        : desktop(std::move(picture)), ctx(desktop, clock, sound, windows) {
        windows.language = 1;
        for (auto& h : windows.handle) h = ImageDesktop::kWindow;
        LoadGlyphTable(ctx.glyphs, sound);
        ctx.glyphs.currentSet = 1;
        ctx.glyphs.ready = true;
        PrepareGlyphSet(ctx.glyphs, 1, 1);
    }
    CapturedDesktop desktop;
    ManualClock clock;  // waits cost nothing: the figures show the reading
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx;
};

void BM_TextLine600(benchmark::State& state) {
    Image555 image(600, 20, testing::kWhite);
    const char* words[] = {"1NT", "Pass", "Bidding", "Ann", "7NT", "Vulnerable", "X", "2C"};
    for (int cell = 0; cell < 8; ++cell) {
        image.Fill(cell * 75, 0, cell * 75 + 1, 20, testing::kGray);
        DrawText(image, cell * 75 + 5, 4, words[cell]);
    }
    Bench b(std::move(image));
    CaptureWindowRect(b.ctx, ImageDesktop::kWindow, b.ctx.GameGrid, Rect{}, true);
    std::string text;
    for (auto _ : state) {
        const LineCodes line = BuildLine(b.ctx, "Bench", 1, 599, 4, 1);
        int pos = 1;
        for (int i = 0; i < 9; ++i) {
            text = ReadWord(b.ctx.glyphs, line, pos);
            benchmark::DoNotOptimize(text.data());
        }
    }
}
BENCHMARK(BM_TextLine600);

void BM_CaptAuctionTenRows(benchmark::State& state) {
    BiddingPicture picture;
    for (int r = 0; r < 9; ++r) picture.rows.push_back({"1C", "Pass", "1D", "Pass"});
    picture.rows.push_back({"7NT", "Pass", "Pass", "Pass"});
    Image555 image;
    picture.Paint(image, BiddingPicture::HeightFor(10));
    Bench b(std::move(image));
    AuctionReading record;
    for (auto _ : state) {
        record = CaptAuction(b.ctx);
        benchmark::DoNotOptimize(record.rows);
    }
    if (record.result != CaptureResult::Read || record.rows != 10)
        state.SkipWithError("the auction did not read");
}
BENCHMARK(BM_CaptAuctionTenRows)->Unit(benchmark::kMicrosecond);

void BM_CaptScore(benchmark::State& state) {
    testing::ScorePicture picture;
    picture.score[0] = "1370";
    picture.score[1] = "-620";
    picture.vulnerable[1] = "Vulnerable";
    Image555 image;
    picture.Paint(image, 120);
    Bench b(std::move(image));
    ScoreReading read;
    for (auto _ : state) {
        read = CaptScore(b.ctx);
        benchmark::DoNotOptimize(read);
    }
    if (read.result != CaptureResult::Read || read.scores[0].Score != 1370)
        state.SkipWithError("the score did not read");
}
BENCHMARK(BM_CaptScore)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallowen
