// PBN (Portable Bridge Notation 2.1) files: one a day beside the pages, every board with its
// tags, the auction and the play, and (when asked for) the double-dummy table and par. What
// the record does not tell is written the way PBN marks missing data, never guessed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/Board.h"
#include "report/DoubleDummy.h"
#include "report/PageText.h"

namespace tallowen {

// A tag value in PBN string form: quotes and backslashes escaped, control characters as blanks.
std::string PbnString(std::string_view text);
// The contract as PBN writes it ("4S", "3NTX", "1HXX"); "Pass" for a passed-out board; "?"
// while the auction is unfinished.
std::string PbnContract(const Deal& deal);
// "N:AKQ.JT9.876.5432 ..." from the first seat; a hand not wholly known is "-".
std::string PbnDeal(const Deal& deal, int first);
// The calls from the dealer on, four to a line; "*" ends an auction that is not complete.
std::vector<std::string> PbnAuction(const Deal& deal);
// The tricks, each from the opening leader round the table; "-" for a card not played in a
// trick, "*" after the last trick when the play ended early (a claim).
std::vector<std::string> PbnPlay(const Deal& deal, int leader);
// "EW 4SX-1", several joined by ", "; "Pass" when par is to pass the board out. The prefix is
// always the side (NS or EW), also where the solver names the one seat that can declare it.
std::string PbnParContract(const DdPar& par);

// The tags and sections of one board, `date` as "2006.10.22"; `dd` when analysed or tried.
void WritePbnBoard(PageText& pbn, const Board& board, std::string_view date, const DdResult* dd);

// The file's opening lines: version, export format, character set, creator.
void WritePbnHead(PageText& pbn, std::string_view creator);

}  // namespace tallowen
