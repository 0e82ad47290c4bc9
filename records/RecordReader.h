// Takes the lines of a record file or of "BridgeBid.brg" apart again. Each part reads from a
// cursor over the file's lines, in the order the writer put them down.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "records/Deal.h"

namespace tallowen {

struct LineCursor {
    const std::vector<std::string>* lines = nullptr;
    std::size_t next = 0;
    bool AtEnd() const { return lines == nullptr || next >= lines->size(); }
    const std::string& Peek() const { return (*lines)[next]; }
    std::string Take() { return (*lines)[next++]; }
};

// The rounds line, then that many auction lines of four calls. The calls grid is cleared
// first. Returns an empty text, or the reason the auction could not be read (a line missing,
// a rounds count outside 0..20); the outputs are then partly filled.
std::string ReadAuction(LineCursor& in, std::int32_t& rounds, CallGrid& calls);

// Both sides become unknown (-1); a score line, when one follows, gives the vulnerability
// words ("NonVul" 0, "Vul" 1, either case) and the scores from the third and fourth items.
// A line that is not a score line (a hand line, when the score was not written) is left for
// the next reader.
void ReadScoreLine(LineCursor& in, ScorePair& pair);
bool IsScoreLine(const std::string& line);

// The four hand lines, seat 0 first. Returns false when fewer than four lines are left.
bool ReadPlayGrid(LineCursor& in, CardTextGrid& cards, CardMarkGrid& marks);

// Whole files. On failure the reason is returned and `deal` is left as it was; on success
// the fields the file holds are replaced and all others kept. A file holding a NUL byte is
// no record; so is a record cut off inside its hands.
std::string ParseDealLines(const std::vector<std::string>& lines, Deal& deal);
std::string ParseBidLines(const std::vector<std::string>& lines, Deal& deal);

}  // namespace tallowen
