// Where each reader looks in the client's windows: the search rectangles, offsets and band
// rows, by window. These are the readers' own figures, measured on the client; the simulator
// paints from figures of its own, so that a wrong number here cannot pass the tests by
// agreeing with itself.
#pragma once

#include "platform/Desktop.h"
#include "reading/GlyphTable.h"

namespace tallowen {

// Text bands under a gray rule (bidding and last hand): renderer set 0 draws the text one row
// below the rule, the others four rows below.
constexpr int kBandBelowRuleSet0 = 1;
constexpr int kBandBelowRule = 4;
constexpr int BandBelowRule(int ruleRow, int glyphSet) {
    return ruleRow + (glyphSet != 0 ? kBandBelowRule : kBandBelowRuleSet0);
}

namespace bidding_window {
// The heading row (the players' names): the first black row among rows 1..9.
constexpr Rect HeadingSearch(int width) {
    return {0, 1, width - 1, 10};
}
// The heading's band starts one row above its first black row, which must lie below row 1
// (none found, or ink from row 1: no heading).
constexpr int kHeadingBandAbove = 1;
constexpr int kHeadingBelowRow = 1;
// The gray rule under the heading: a row gray across x 10..20 among rows 10..30.
constexpr Rect kRuleSearch{10, 10, 20, 30};
// A blank column gray from this band row down separates two cells.
constexpr int kGraySwitch = 1;
// Below the last band the window keeps this margin; grown by a line step and the margin.
constexpr int kBottomMargin = 2;
}  // namespace bidding_window

namespace hand_window {
// The gray rule over the four hands: a row gray across x 10..20 among rows 20..30, and
// below row 20 (gray there is not yet the rule).
constexpr Rect kRuleSearch{10, 20, 20, 30};
constexpr int kRuleBelowRow = 20;
// A blank column gray from this band row down separates two card cells.
constexpr int kGraySwitch = 2;
}  // namespace hand_window

namespace score_window {
// The gray band over the score line: a row gray across x 100..120 among the 35 rows above
// the window's bottom.
constexpr Rect GrayBandSearch(int height) {
    return {100, height - 35, 120, height - 1};
}
// The score text: the first black row below the gray band, from x 50 to the right edge.
constexpr Rect ScoreInkSearch(int bandRow, int width, int height) {
    return {50, bandRow + 1, width - 1, height - 1};
}
// The score line's band starts one row above its first black row; when that row is one too
// low, the band is tried one row higher again.
constexpr int kBandAboveInk = 1;
// A score line too near the bottom: the window grows by a band and two rows.
constexpr int kScoreGrowth = kLineHeight + 2;
// The gray rule between the two sides crosses the row four above the gray band; it is the
// first gray pixel after the first white one from x 1 on.
constexpr int kDividerAboveBand = 4;
constexpr int kDividerSearchLeft = 1;
// The first side's score starts within 60 columns left of that rule.
constexpr int kScoreLeftOfDivider = 60;
// The score line has no gray separators: the rule between the sides is set by hand.
constexpr int kScoreGraySwitch = 0;

// The vulnerability line: under the first row white across x 90..100 among rows 20..49 ...
constexpr Rect kWhiteRowSearch{90, 20, 100, 50};
// ... its first black row within nine rows below, between x 30 and 20 from the right edge ...
constexpr Rect VulInkSearch(int whiteRow, int width) {
    return {30, whiteRow + 1, width - 20, whiteRow + 10};
}
// ... read from the first white pixel of x 30..100 on that row, to two short of the right
// edge, with the band starting on that row or up to three rows higher.
constexpr Rect kVulStartSearch{30, 0, 100, 0};
constexpr int kVulRightMargin = 2;
constexpr int kVulRowsHigher = 3;
constexpr int kVulGraySwitch = 1;
}  // namespace score_window

namespace trick_window {
// The black rules that frame the four cards. The three across the middle (above the top card,
// under it, above the bottom card) are rows black across x 110..129; the one beside the side
// cards is black across x 30..49 from row 40 down.
constexpr int kMiddleRuleLeft = 110, kMiddleRuleRight = 130;
constexpr int kSecondRuleGap = 4;  // the rule under the top card lies at least this far below
constexpr Rect kSideRuleSearch{30, 40, 50, 0};
// The rules upright beside the cards: the one left of the upright cards (x 85..110, black on
// rows 30..59), and those left of the side cards (rows 70..89) at x 65..85 and from x 230 on.
constexpr Rect kMiddleColumnSearch{85, 30, 110, 60};
constexpr Rect kLeftColumnSearch{65, 70, 85, 90};
constexpr Rect RightColumnSearch(int width) {
    return {230, 70, width, 90};
}
// Card faces from the rules: the upright ones 3 right and 3 below theirs, the side ones 25
// left of theirs and 3 below the side rule.
constexpr int kFaceRightOfRule = 3;
constexpr int kFaceBelowRule = 3;
constexpr int kSideFaceLeftOfRule = 25;
}  // namespace trick_window

namespace table_window {
// The information box's frame is looked for in this part of the table window (window
// coordinates); its lower left corner at least ten pixels inside the right and bottom edges.
constexpr Rect kBoxSearchArea{200, 140, 350, 500};
constexpr int kCornerMargin = 10;
// The corner: five frame pixels along the bottom edge and two more up the left edge.
constexpr int kCornerRun = 5;
constexpr int kCornerRise = 2;
// The box itself lies five pixels inside the frame's corner.
constexpr int kBoxInsideFrame = 5;
// A count more than 25 rows inside the box's top and bottom is the opponents' one.
constexpr int kTheirRowsInside = 25;
// The box's rows are read down to a band above its bottom; a count found in the last
// 15 rows ends the scan.
constexpr int kLastScanRowAbove = 15;

// The buttons: their captions are looked for in the 200 pixels from the window's left edge,
// from 65 pixels below its top to 15 rows above its bottom.
constexpr int kButtonsBelowTop = 65;
constexpr int kButtonsWidth = 200;
constexpr int kButtonsAboveBottom = 15;
// A click lands ten pixels left of the caption's end, four below the top of its band.
constexpr int kClickLeftOfEnd = 10;
constexpr int kClickBelowBand = 4;
}  // namespace table_window

}  // namespace tallowen
