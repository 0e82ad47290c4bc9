// The words and letters each language edition of the game client draws: calls, cards,
// button captions, the vulnerability word and the tricks label.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallowen {

// The pass word ("Pass", "Passe", "パス", ...).
std::string_view PassWord(int language);
// A bid as the edition writes it: level 1..7, strain 0..3 (C, D, H, S) or 4 (no trump).
std::string BidWord(int level, int strain, int language);
// A call in the system's notation ("1S", "3NT", "X", "XX", "Pass") as the edition writes it.
std::string CallWord(const std::string& call, int language);
// A card as the hand window writes it (without marks): rank 2..14, suit 0..3.
std::string CardWord(int rank, int suit, int language);
// The table window's whole title: the edition's table title inside the text the client puts
// around it (site, table number, room), long enough to be told from the small windows.
std::string TableWindowTitle(int language, int table);
// Captions of the table's buttons that open kinds 1..4 (bidding, last trick, last hand,
// score).
std::string_view ButtonCaption(int kind, int language);

}  // namespace tallowen
