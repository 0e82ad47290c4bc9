// Reading the last-trick window: the four cards of the trick just played, by table position.
#pragma once

#include <array>
#include <functional>

#include "reading/CardImages.h"

namespace tallowen {

struct ReadingContext;

// What the trick reader keeps between calls.
struct TrickState {
    std::array<int, 4> previousSuits{-1, -1, -1, -1};
    std::array<int, 4> previousRanks{0, 0, 0, 0};
    int cardCount = 0;  // cards read since the count was last reset
    // Told of every card taken from a new trick (the remaining-cards box blanks it out).
    std::function<void(int suit, int rank)> playedCard;
};

enum class TrickMode : int {
    Store = 0,       // read and keep as the previous trick, counting the cards
    ResetCount = 1,  // read and keep, and start the card count again
    NewOnly = 2,     // read, and accept only a trick whose four cards are all new
};

// suits 0..3 and ranks 2..14 by position (0 bottom, 1 left, 2 top, 3 right). When no
// attempt reads all four cards, ranks[0] = -1 and nothing else changes. In NewOnly mode a
// trick sharing a card with the previous one (same position) clears the outputs to 0.
void CaptTrick(ReadingContext& ctx, const CardImageTable& images, TrickState& state,
               std::array<int, 4>& suits, std::array<int, 4>& ranks, TrickMode mode);

}  // namespace tallowen
