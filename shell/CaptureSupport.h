// What the two capture flows share: turning the readers' results into the capture deal,
// checking that the game's windows are known, the repeated score reading, the schedule slots,
// and telling the user (with a note of what was told).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "reading/Bidding.h"
#include "reading/CaptureResult.h"
#include "reading/LastHand.h"
#include "shell/AppContext.h"

namespace tallowen {

constexpr int kMissingAfterTicks = 11;        // windows still opening are not complained about
constexpr std::uint32_t kAutoRetryMs = 3000;  // next try of an automatic capture without a game
constexpr int kScoreTries = 10;
constexpr int kHandTries = 4;

// True when at least one of the names holds more than blanks.
bool AnyName(const std::array<std::string, 4>& names);

// The bidding window's columns are the seats North, East, South, West from left to right, as
// the record keeps them; the heading above a column is that seat's player. Rounds end at the
// last row that holds a call.
void AuctionToDeal(const AuctionReading& reading, Deal& deal);

// Every one of the 52 cards was read.
bool HandComplete(const HandReading& hand);
// The window's lines are the seats North, East, South, West from top to bottom.
void HandToDeal(const HandReading& hand, Deal& deal);
// The same cards with the same marks, seat by seat, as the deal recorded.
bool SameHand(const Deal& recorded, const HandReading& hand);

bool WindowKnown(const GameWindows& windows, WindowKind kind);
// The result of the first window in `order` that is not known; Read when all are.
CaptureResult MissingWindow(const GameWindows& windows, std::initializer_list<WindowKind> order);

// Up to `tries` readings of the score window until one reads both scores; the last result
// when none does (ScoreUnreadable when a reading gave no score at all).
CaptureResult ReadScore(AppContext& app, ScorePair& score, int tries);

LogSink& ScoringLog(AppContext& app);
std::uint32_t Now(AppContext& app);
void MinimizeGameWindow(AppContext& app, WindowKind kind);
// The record name of the day: the prefix is taken from today's date when none was set yet.
void EnsureRecordPrefix(AppContext& app);

// A title of the client's current language between double quotes.
std::string QuotedTitle(const AppContext& app, WindowKind kind);
std::string Title(const AppContext& app, WindowKind kind);

void TellMessage(AppContext& app, int code);
void TellError(AppContext& app, const std::string& text);
// A missing game window, once the table has been up long enough.
void TellMissing(AppContext& app, WindowKind kind, int code);
void TellMissingNow(AppContext& app, WindowKind kind, int code);

}  // namespace tallowen
