// Reading the auction history window: the heading row of names and the calls, row by row.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "reading/CaptureResult.h"

namespace tallowen {

struct ReadingContext;

constexpr int kAuctionRows = 20;      // rows 1..20 of the record
constexpr int kAuctionReadRows = 10;  // rows the window reader fills

struct AuctionReading {
    std::array<std::string, 4> headings;
    // calls[column][row], rows 1..20 (row 0 unused).
    std::array<std::array<std::string, kAuctionRows + 1>, 4> calls;
    int rows = 0;  // the row the reading ended at (11 when all ten were read)
    // Read: a complete auction, or none on display. AuctionUnreadable: no readable grid in
    // four attempts. AuctionIncomplete: a gap after the first call, or an empty row.
    CaptureResult result = CaptureResult::Read;
};

AuctionReading CaptAuction(ReadingContext& ctx);

// The strain letters of the language's calls as C, D, H, S and NT ("2ST" -> "2NT" in Spanish).
std::string ConvertStrain(const std::string& call, int language);

}  // namespace tallowen
