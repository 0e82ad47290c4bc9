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

enum class TrickOutcome {
    Unreadable,  // no attempt read all four cards
    Repeated,    // NewOnly: a card in the same position as in the previous trick
    Read,
};

// suits 0..3 and ranks 2..14 by position (0 bottom, 1 left, 2 top, 3 right); all 0 unless
// the outcome is Read.
struct TrickReading {
    TrickOutcome outcome = TrickOutcome::Unreadable;
    std::array<int, 4> suits{}, ranks{};
};

TrickReading CaptTrick(ReadingContext& ctx, const CardImageTable& images, TrickState& state,
                       TrickMode mode);

}  // namespace tallowen
