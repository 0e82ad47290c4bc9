// Each window reader over a picture of any size and pixels. The input: the reader (byte 0),
// the client's language (byte 1), width and height (two bytes each, little-endian), then the
// pixels, 5-5-5 in two bytes each, rows top-down; pixels the input lacks are white. Every
// result code must be one the reader documents, and every output in its range.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "reading/Bidding.h"
#include "reading/Buttons.h"
#include "reading/Capture.h"
#include "reading/CardImages.h"
#include "reading/GlyphTable.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"
#include "sim/ImageDesktop.h"
#include "sim/NullBackends.h"

using namespace tallowen;

namespace {

constexpr int kMaxSide = 1024;
constexpr std::size_t kMaxPixels = 400000;

void Check(bool ok) {
    if (!ok) std::abort();
}

struct Shared {
    RecordingSound sound;
    GlyphTable glyphs;
    CardImageTable images;
    Shared() {
        LoadGlyphTable(glyphs, sound);
        LoadCardImages(images, sound);
    }
};

Image555 Picture(const std::uint8_t* data, std::size_t size) {
    int w = (data[2] | data[3] << 8) % (kMaxSide + 1);
    int h = (data[4] | data[5] << 8) % (kMaxSide + 1);
    if (std::size_t(w) * std::size_t(h) > kMaxPixels) h = int(kMaxPixels / std::size_t(w));
    Image555 image(w, h);
    std::size_t at = 6;
    for (auto& p : image.pixels) {
        if (at + 1 >= size) break;
        p = std::uint16_t((data[at] | data[at + 1] << 8) & 0x7FFF);
        at += 2;
    }
    return image;
}

void ReadScore(ReadingContext& ctx) {
    const ScoreReading reading = CaptScore(ctx);
    using R = CaptureResult;
    const R error = reading.result;
    Check(error == R::Read || error == R::ScoreUnreadable || error == R::BadVulnerable ||
          error == R::BadScoreNumber);
    for (const ScoreVul& side : reading.scores) Check(side.Vul >= -1 && side.Vul <= 1);
}

void ReadAuction(ReadingContext& ctx) {
    const AuctionReading auction = CaptAuction(ctx);
    using R = CaptureResult;
    const R error = auction.result;
    Check(error == R::Read || error == R::AuctionUnreadable || error == R::AuctionIncomplete);
    Check(auction.rows >= 0 && auction.rows <= kAuctionRows + 1);
}

void ReadHand(ReadingContext& ctx) {
    const HandReading hand = CaptHand(ctx, false);
    Check(hand.result == CaptureResult::Read || hand.result == CaptureResult::HandUnreadable);
    for (const auto& line : hand.marks)
        for (std::uint8_t mark : line) Check(mark <= 2);
}

void ReadTrick(ReadingContext& ctx, const CardImageTable& images) {
    TrickState state;
    const TrickReading trick = CaptTrick(ctx, images, state, TrickMode::Store);
    for (std::size_t i = 0; i < 4; ++i) {
        Check(trick.ranks[i] == 0 || (trick.ranks[i] >= 2 && trick.ranks[i] <= 14));
        Check(trick.suits[i] >= -1 && trick.suits[i] <= 3);
    }
}

void ReadTricksCount(ReadingContext& ctx) {
    InfoBoxState box;
    int we = -1, they = -1;
    CaptureTotalTricks(ctx, box, we, they);
    Check(we >= -1 && they >= -1);
}

void PressButtons(ReadingContext& ctx) {
    ButtonState buttons;
    ClickGameButton(ctx, buttons, kAllButtons);
    Check(buttons.clickCount >= 0 && buttons.clickCount <= 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Shared shared;
    if (size < 6) return 0;
    const int language = data[1] % 10 + 1;
    Image555 picture = Picture(data, size);
    const Rect place{0, 0, picture.width, picture.height};
    ImageDesktop desktop(std::move(picture), "Game: Bridge");
    desktop.SetPlace(place);
    ManualClock clock;
    RecordingSound sound;
    GameWindows windows;
    windows.language = language;
    for (auto& handle : windows.handle) handle = ImageDesktop::kWindow;
    windows.table = ImageDesktop::kWindow;
    ReadingContext ctx(desktop, clock, sound, windows);
    ctx.glyphs = shared.glyphs;
    ctx.glyphs.currentSet = 1;
    ctx.glyphs.ready = true;
    PrepareGlyphSet(ctx.glyphs, 1, language);
    switch (data[0] % 6) {
        case 0:
            ReadAuction(ctx);
            break;
        case 1:
            ReadScore(ctx);
            break;
        case 2:
            ReadHand(ctx);
            break;
        case 3:
            ReadTrick(ctx, shared.images);
            break;
        case 4:
            ReadTricksCount(ctx);
            break;
        default:
            PressButtons(ctx);
    }
    return 0;
}
