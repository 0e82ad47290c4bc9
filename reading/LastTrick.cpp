#include "reading/LastTrick.h"

#include "reading/Capture.h"
#include "reading/Cards.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

namespace geo = trick_window;

constexpr int kAttempts = 2;

struct Point2 {
    int x = 0, y = 0;
};

// The four card anchors from the black rules around the trick; false when a rule is missing.
bool FindAnchors(const PixelView& view, int width, std::array<Point2, 4>& at) {
    auto middleRule = [&](int from) {
        return FindSolidBlackRow(view, Rect{geo::kMiddleRuleLeft, from, geo::kMiddleRuleRight, 0});
    };
    const int r1 = middleRule(0);
    if (r1 < 0) return false;
    const int r2 = middleRule(r1 + geo::kSecondRuleGap);
    if (r2 < 0) return false;
    const int r3 = middleRule(r2 + 1);
    const int r4 = FindSolidBlackRow(view, geo::kSideRuleSearch);
    const int c1 = FindSolidBlackColumn(view, geo::kMiddleColumnSearch);
    if (c1 < 0) return false;
    const int c2 = FindSolidBlackColumn(view, geo::kLeftColumnSearch);
    if (c2 < 0) return false;
    const int c3 = FindSolidBlackColumn(view, geo::RightColumnSearch(width));
    // A missing lower rule leaves its card where no face can be read.
    if (r3 < 0 || r4 < 0 || c3 < 0) return false;
    const int uprightX = c1 + geo::kFaceRightOfRule, sideY = r4 + geo::kFaceBelowRule;
    at[0] = {uprightX, r3 + geo::kFaceBelowRule};    // bottom
    at[1] = {c2 - geo::kSideFaceLeftOfRule, sideY};  // left
    at[2] = {uprightX, r1 + geo::kFaceBelowRule};    // top
    at[3] = {c3 - geo::kSideFaceLeftOfRule, sideY};  // right
    return true;
}

bool ReadTrick(ReadingContext& ctx, const CardImageTable& images, std::array<int, 4>& suits,
               std::array<int, 4>& ranks) {
    if (CaptureGameWindow(ctx, WindowKind::LastTrick) <= 0) return false;
    const PixelView view = ctx.Game();
    std::array<Point2, 4> at;
    if (!FindAnchors(view, ctx.GameGrid.WindowWidth, at)) return false;
    for (int p = 0; p < 4; ++p) {
        CardBlock block;
        if (ReadCardImage(view, at[std::size_t(p)].x, at[std::size_t(p)].y, p, block) !=
            ReadStatus::Read)
            return false;
        int suit = 0, rank = 0;
        MatchCard(images, block, suit, rank);
        if (rank == 0) return false;
        suits[std::size_t(p)] = suit;
        ranks[std::size_t(p)] = rank;
    }
    return true;
}

}  // namespace

TrickReading CaptTrick(ReadingContext& ctx, const CardImageTable& images, TrickState& state,
                       TrickMode mode) {
    std::array<int, 4> s{}, r{};
    bool read = false;
    for (int attempt = 0; attempt < kAttempts && !read; ++attempt)
        read = ReadTrick(ctx, images, s, r);
    if (!read) return {};
    if (mode == TrickMode::NewOnly) {
        for (int p = 0; p < 4; ++p) {
            if (s[std::size_t(p)] == state.previousSuits[std::size_t(p)] &&
                r[std::size_t(p)] == state.previousRanks[std::size_t(p)])
                return {TrickOutcome::Repeated, {}, {}};
        }
    }
    if (mode == TrickMode::ResetCount) state.cardCount = 0;
    for (int p = 0; p < 4; ++p) {
        if (mode != TrickMode::ResetCount) {
            ++state.cardCount;
            if (state.playedCard) state.playedCard(s[std::size_t(p)], r[std::size_t(p)]);
        }
    }
    state.previousSuits = s;
    state.previousRanks = r;
    return {TrickOutcome::Read, s, r};
}

}  // namespace tallowen
