// The rules of the game that the recorder's scoring, the simulated client and the example
// maker share: who wins a trick, the rubber scoreboard the game client keeps, and the
// shuffled pack with its random source.
#pragma once

#include <array>
#include <cstdint>

#include "common/Notation.h"
#include "records/Deal.h"

namespace tallowen {

// --- Tricks ---

// True when `card` beats `best`, the card winning the trick so far (of the suit led or a
// trump): a higher card of the same suit, or a trump over any other suit. `trump` is a
// strain, kNoTrump for none.
bool CardBeats(int card, int best, int trump);

// The seat that wins a trick of four cards (codes by seat) led by `leader`. Seats are looked
// at in table order from North, so that equal codes (no real pack) go to the leader, else to
// the lower seat.
int TrickWinner(const std::array<int, kSeatCount>& cards, int leader, int trump);

// The result of a contract at `level` when the declarers took `tricks`: the odd tricks when
// made, minus the undertricks when down.
constexpr int ContractResult(int level, int tricks) {
    return tricks >= 6 + level ? tricks - 6 : tricks - 6 - level;
}

// --- Honours ---

// The rubber honour bonus of one hand: 100 for four of the five trump honours, 150 for all
// five, or 150 for the four aces at no trump; 0 otherwise.
int HonourBonus(int honours, int strain);
// A trump honour (ten to ace) of `strain`, or an ace at no trump.
bool IsHonour(int code, int strain);

template <class Hand>
int HandHonourBonus(const Hand& hand, int strain) {
    int honours = 0;
    for (int code : hand) honours += IsHonour(code, strain) ? 1 : 0;
    return HonourBonus(honours, strain);
}

// --- The rubber scoreboard ---

// Trick points below the line that make a game.
inline constexpr int kGamePoints = 100;

// A board as the rubber scoreboard takes it.
struct RubberBoard {
    int declarer = -1;  // seat; -1 when there is no contract (passed out)
    int level = 0, strain = 0, doubled = 0;
    int result = 0;                // ContractResult
    std::array<int, 2> honours{};  // honour bonuses held by each side
};

// The board of a record whose result is `result`; honours from its play record.
RubberBoard RubberBoardOf(const Deal& deal, int result);

// Both sides' totals, their trick points towards the current game and their games in the
// rubber in progress. A side with a game is vulnerable.
struct RubberScoreboard {
    std::array<int, 2> total{};
    std::array<int, 2> below{};
    std::array<int, 2> games{};

    int Vul(int side) const { return games[std::size_t(side)] > 0 ? 1 : 0; }
    // Bit 0 North-South, bit 1 East-West.
    int Vulnerability() const { return Vul(0) | Vul(1) << 1; }
    ScorePair Pair() const;
};

// What each side gains on the scoreboard for `board`, the declarers being vulnerable or not
// (`vul`): trick score, overtricks, the bonus for a doubled contract made and the slam bonus,
// or the defenders' penalty; honours to whichever side holds them. Nothing without a
// contract. The rubber bonus is not included (see ScoreRubber).
std::array<int, 2> BoardGain(const RubberBoard& board, int vul);

// Enters a board: its gain, and the trick points of a contract made towards a game. A game
// wipes both sides' part-scores; the second game of a side ends the rubber with its bonus
// (700, or 500 when the other side has a game) and a fresh rubber, neither side vulnerable.
// Returns that bonus, 0 when the board ended no rubber.
int ScoreRubber(RubberScoreboard& scoreboard, const RubberBoard& board);

// --- The pack ---

// A small random source of a fixed algorithm (SplitMix64), so that the same seed gives the
// same boards on every compiler and platform: the standard distributions may differ.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t state) : state_(state) {}
    std::uint64_t Next();
    // 0 .. n - 1 (the slight bias of the remainder does not matter here).
    int Below(int n);
    bool Percent(int p) { return Below(100) < p; }

private:
    std::uint64_t state_;
};

using DealtHands = std::array<std::array<int, kTrickCount>, kSeatCount>;

// A shuffled pack dealt thirteen cards to each seat, each hand sorted highest first (spades
// first, as a hand is held).
DealtHands ShuffleDeal(SeededRandom& random);

}  // namespace tallowen
