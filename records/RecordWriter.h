// The lines of the record files: a names line, the auction, score lines and hand lines, as
// UTF-8 texts (the file code page is applied when the lines are written). The reader takes
// them apart again: every separator and every padding blank here is one it strips.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/Deal.h"

namespace tallowen {

class CodePage;

// A number as the files write it: a blank (or "-" when negative), the digits, a blank.
std::string NumberField(std::int32_t n);

// The four names joined by ", ".
std::string PrintNameLine(const SeatNames& names);

// The rounds line and one line per round. Each of the first three calls is followed by ","
// and blanks up to eight columns (a double-byte character of the code page counts two); an
// empty call is written as two blanks; the fourth call ends the line.
std::vector<std::string> PrintAuction(std::int32_t rounds, const CallGrid& calls,
                                      const CodePage& page);

// Vulnerability words when both are known, then both scores when both are known; no line at
// all when neither part is known.
std::optional<std::string> PrintScoreLine(const ScorePair& pair);

// Four lines of 13 cards in play order: " AS  " plain, "[AS] " led its trick, "(AS) " never
// played. A card with any other mark is left out.
std::vector<std::string> PrintHand(const CardTextGrid& cards, const CardMarkGrid& marks);

// Whole files as lines: the record file (names, auction, score before, hands, score after)
// and the current-auction file (auction names, auction, score before).
std::vector<std::string> DealFileLines(const Deal& deal, const CodePage& page);
std::vector<std::string> BidFileLines(const Deal& deal, const CodePage& page);

}  // namespace tallowen
