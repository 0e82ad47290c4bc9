#include "reading/Bidding.h"

#include "common/Edition.h"
#include "common/Notation.h"
#include "common/Text.h"
#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

namespace geo = bidding_window;

struct StrainWords {
    std::string_view noTrump;  // empty: no-trump is written NT already
    std::string_view letters;  // the letters of clubs, diamonds, hearts, spades
};

bool StrainWordsOf(int language, StrainWords& words) {
    switch (EditionOf(language)) {
        case Edition::German:
            words = {"SA", "TDCP"};
            return true;
        case Edition::Italian:
            words = {"NT", "FQCP"};
            return true;
        case Edition::Spanish:
            words = {"ST", "TRCP"};
            return true;
        case Edition::Mexican:
        case Edition::Espanol:
        case Edition::Argentine:
            words = {"ST", "TDCP"};
            return true;
        default:
            return false;
    }
}

enum class Attempt { Retry, Grown, Done };

// Reads the rows of calls below the grid anchor; Done when the reading ended.
Attempt ReadCalls(ReadingContext& ctx, AuctionReading& record, int y0) {
    const int width = ctx.GameGrid.WindowWidth;
    const int height = ctx.GameGrid.WindowHeight;
    const int step = ctx.glyphs.LineStep();
    int y = BandBelowRule(y0, ctx.glyphs.currentSet);
    int passes = -1;
    bool seenCall = false;
    for (int r = 1; r <= kAuctionReadRows; ++r) {
        if (r >= 2) y += step;
        if (y + step + geo::kBottomMargin > height) {
            GrowGameWindow(ctx, WindowKind::Bidding, step + geo::kBottomMargin);
            return Attempt::Grown;
        }
        record.rows = r;
        const LineCodes line = BuildLine(ctx, "CaptAuction", 1, width - 1, y, geo::kGraySwitch);
        int pos = 1, empties = 0;
        for (int c = 0; c < 4; ++c) {
            std::string call = StripMarks(ReadWord(ctx.glyphs, line, pos));
            if (call.empty()) {
                if (++empties == 4 || seenCall) {
                    record.result = CaptureResult::AuctionIncomplete;
                    return Attempt::Done;
                }
                continue;
            }
            empties = 0;
            seenCall = true;
            record.calls[std::size_t(c)][std::size_t(r)] = call;
            if (!IsPass(call)) {
                passes = 0;
            } else if (++passes == 3) {
                record.result = CaptureResult::Read;
                return Attempt::Done;
            }
        }
    }
    record.rows = kAuctionReadRows + 1;
    return Attempt::Done;
}

}  // namespace

std::string ConvertStrain(const std::string& call, int language) {
    StrainWords words;
    if (call.empty() || call[0] < '1' || call[0] > '7' || !StrainWordsOf(language, words))
        return call;
    std::string strain = call.substr(1);
    std::string out = call.substr(0, 1);
    if (strain == words.noTrump) return out + "NT";
    std::size_t at = strain.empty() ? std::string::npos : words.letters.find(strain[0]);
    if (at != std::string::npos) out += "CDHS"[at];
    return out;
}

AuctionReading CaptAuction(ReadingContext& ctx) {
    int headingRow = 0;
    AuctionReading record;
    for (int attempt = 1;; ++attempt) {
        if (headingRow == -1 && attempt == 2) {
            record.result = CaptureResult::Read;  // the window shows no auction
            return record;
        }
        if (attempt == 5) {
            record.result = CaptureResult::AuctionUnreadable;
            return record;
        }
        ctx.desktop.SetTopmost(ctx.windows.Handle(WindowKind::Bidding), true);
        int lines = CaptureGameWindow(ctx, WindowKind::Bidding);
        record = AuctionReading{};
        if (lines <= 0) {
            headingRow = 0;  // not "no auction": the window could not be copied at all
            continue;
        }
        const int width = ctx.GameGrid.WindowWidth;
        const PixelView view = ctx.Game();
        headingRow = FindBlackRow(view, geo::HeadingSearch(width));
        if (headingRow <= geo::kHeadingBelowRow) continue;
        const LineCodes line = BuildLine(ctx, "CaptAuction", 1, width - 1,
                                         headingRow - geo::kHeadingBandAbove, geo::kGraySwitch);
        int pos = 1;
        for (auto& heading : record.headings) heading = ReadWord(ctx.glyphs, line, pos);

        int y0 = FindGrayRow(view, geo::kRuleSearch);
        if (y0 < 0) continue;
        Attempt result = ReadCalls(ctx, record, y0);
        if (result != Attempt::Done) continue;
        break;
    }
    const int language = ctx.Language();
    for (int r = 1; r <= record.rows && r <= kAuctionRows; ++r)
        for (auto& column : record.calls)
            column[std::size_t(r)] = ConvertStrain(column[std::size_t(r)], language);
    return record;
}

}  // namespace tallowen
