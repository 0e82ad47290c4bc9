#include "reading/Score.h"

#include <algorithm>
#include <cstdint>

#include "common/Text.h"
#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

namespace geo = score_window;

enum class Step { NextAttempt, Grown, Vulnerability, Finish };

// Judges one score text: true when it may stand.
Step TakeScore(const std::string& text, ScoreVul& side, CaptureResult& error) {
    const double value = LeadingNumber(text);
    if (!text.empty() && text.back() != '0') {
        // Scores are multiples of ten: another digit means the window was caught mid-update.
        // A text that is no number at all will not improve by waiting.
        if (value == 0 && text.find('?') == std::string::npos) {
            error = CaptureResult::BadScoreNumber;
            return Step::Finish;
        }
        return Step::NextAttempt;
    }
    if (text.find('?') != std::string::npos || (value == 0 && text != "0" && !text.empty())) {
        error = CaptureResult::BadScoreNumber;
        return Step::Finish;
    }
    // An empty text is a side with nothing on the board yet: 0, not unknown. A number beyond
    // the record's 32 bits is held at its end.
    const std::int64_t score = RoundHalfEven(value);
    side.Score = std::int32_t(std::clamp<std::int64_t>(score, INT32_MIN, INT32_MAX));
    return Step::Vulnerability;
}

bool HasMark(const std::string& text) {
    return text.find('?') != std::string::npos;
}

// The two words of the score line in the band from row y, the sides split at column x.
void ReadScoreLine(ReadingContext& ctx, int y, int x, std::string (&text)[2]) {
    LineCodes line =
        BuildLine(ctx, "CaptScore", 1, ctx.GameGrid.WindowWidth - 1, y, geo::kScoreGraySwitch);
    line.Set(x, kSeparatorCode);  // the line between the sides
    int pos = x - geo::kScoreLeftOfDivider;
    text[0] = ReadWord(ctx.glyphs, line, pos);
    text[1] = ReadWord(ctx.glyphs, line, pos);
}

// One look at the copied window for the two scores.
Step ReadScores(ReadingContext& ctx, ScorePair& scores, CaptureResult& error) {
    const PixelView view = ctx.Game();
    const int width = ctx.GameGrid.WindowWidth, h = ctx.GameGrid.WindowHeight;
    const int step = ctx.glyphs.LineStep();
    int gy = FindGrayRow(view, geo::GrayBandSearch(h));
    if (gy < 0) return Step::NextAttempt;
    if (gy + step > h) {
        GrowGameWindow(ctx, WindowKind::Score, step + 2);
        return Step::Grown;
    }
    int sy = FindBlackRow(view, geo::ScoreInkSearch(gy, width, h));
    if (sy <= gy + 1) return Step::Vulnerability;
    if (sy + kLineHeight > h) {
        GrowGameWindow(ctx, WindowKind::Score, geo::kScoreGrowth);
        return Step::Grown;
    }
    int x = FindGrayAfterWhite(view, gy - geo::kDividerAboveBand,
                               Rect{geo::kDividerSearchLeft, 0, width - 1, 0});
    if (x < 0) return Step::NextAttempt;
    std::string text[2];
    const int bandTop = sy - geo::kBandAboveInk;
    ReadScoreLine(ctx, bandTop, x, text);
    // The band is placed from the first black row found; when that row lies one lower than the
    // line's own top, every glyph reads as "?". Read one row higher before giving up.
    if (HasMark(text[0]) || HasMark(text[1])) {
        std::string again[2];
        ReadScoreLine(ctx, bandTop - 1, x, again);
        if (!HasMark(again[0]) && !HasMark(again[1])) text[0] = again[0], text[1] = again[1];
    }
    for (int i = 0; i < 2; ++i) {
        Step s = TakeScore(text[i], scores[std::size_t(i)], error);
        if (s != Step::Vulnerability) return s;
    }
    return Step::Vulnerability;
}

// Reads the vulnerability line from the last capture; false when error 5 ends the reading.
bool ReadVulnerability(ReadingContext& ctx, ScorePair& scores, CaptureResult& error) {
    const PixelView view = ctx.Game();
    const int width = ctx.GameGrid.WindowWidth;
    const std::string word(TitleTable::VulnerableWord(ctx.Language()));
    std::string text[2];
    int wy = FindWhiteRow(view, geo::kWhiteRowSearch);
    int vy = FindBlackRow(view, geo::VulInkSearch(wy, width));
    if (vy > wy + 1) {
        int x0 = FindWhiteInRow(view, vy, geo::kVulStartSearch);
        if (x0 < 0) return true;  // nothing to go by: both sides stay unknown
        const int last = width - geo::kVulRightMargin;
        for (int y = vy; y >= vy - geo::kVulRowsHigher; --y) {
            const LineCodes line = BuildLine(ctx, "CaptScore", x0, last, y, geo::kVulGraySwitch);
            int pos = x0;
            text[0] = ReadWord(ctx.glyphs, line, pos);
            text[1] = ReadWord(ctx.glyphs, line, pos);
            if (text[0] == word || text[1] == word || (text[0].empty() && text[1].empty())) break;
            if (y == vy - geo::kVulRowsHigher) {
                error = CaptureResult::BadVulnerable;
                return false;
            }
        }
    }
    error = CaptureResult::Read;
    for (int i = 0; i < 2; ++i) {
        ScoreVul& side = scores[std::size_t(i)];
        if (text[i] == word)
            side.Vul = 1;
        else if (text[i].empty())
            side.Vul = 0;
        else
            side.Vul = -1;
    }
    return true;
}

}  // namespace

ScoreReading CaptScore(ReadingContext& ctx, bool leaveShown) {
    ScoreReading reading;
    ScorePair& scores = reading.scores;
    CaptureResult& error = reading.result;
    const WindowHandle window = ctx.windows.Handle(WindowKind::Score);
    ctx.desktop.SetTopmost(window, true);
    int limit = 4;
    bool readVulnerability = false;
    for (int attempt = 1;; ++attempt) {
        if (attempt > limit) {
            error = CaptureResult::ScoreUnreadable;
            break;
        }
        if (CaptureGameWindow(ctx, WindowKind::Score) <= 0) {
            // Not even a copy after re-opening: say so rather than report unknown scores as read.
            error = CaptureResult::ScoreUnreadable;
            return reading;
        }
        error = CaptureResult::Read;
        Step s = ReadScores(ctx, scores, error);
        if (s == Step::Grown) limit = 5;  // the taller window gets one more look
        if (s == Step::NextAttempt || s == Step::Grown) continue;
        readVulnerability = s == Step::Vulnerability;
        break;
    }
    if (readVulnerability) ReadVulnerability(ctx, scores, error);
    ctx.desktop.SetTopmost(window, false);
    if (!leaveShown) ctx.desktop.Minimize(window);
    return reading;
}

}  // namespace tallowen
