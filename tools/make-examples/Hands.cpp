#include "Hands.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tallowen::examples {

Hands DealHands(ExampleRandom& random) {
    std::array<int, 52> pack{};
    for (int i = 0; i < 52; ++i) pack[i] = (i / 13) * 100 + 2 + i % 13;
    for (int i = 51; i > 0; --i) std::swap(pack[i], pack[random.Below(i + 1)]);
    Hands hands;
    for (int seat = 0; seat < 4; ++seat) {
        hands[seat].assign(pack.begin() + seat * 13, pack.begin() + seat * 13 + 13);
        std::sort(hands[seat].begin(), hands[seat].end(), std::greater<int>());
    }
    return hands;
}

int Points(const Hand& hand) {
    int points = 0;
    for (int code : hand) points += std::max(0, RankOf(code) - 10);
    return points;
}

int Length(const Hand& hand, int suit) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [suit](int c) { return SuitOf(c) == suit; }));
}

int Aces(const Hand& hand) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](int c) { return RankOf(c) == 14; }));
}

bool Balanced(const Hand& hand) {
    int doubletons = 0;
    for (int suit = 0; suit < 4; ++suit) {
        int n = Length(hand, suit);
        if (n < 2 || n > 5) return false;
        if (n == 2) ++doubletons;
    }
    return doubletons <= 1;
}

int LongestSuit(const Hand& hand) {
    int best = 3;
    for (int suit = 2; suit >= 0; --suit)
        if (Length(hand, suit) > Length(hand, best)) best = suit;
    return best;
}

Hand CardsOfSuit(const Hand& hand, int suit) {
    Hand cards;
    for (int code : hand)
        if (SuitOf(code) == suit) cards.push_back(code);
    std::sort(cards.begin(), cards.end(), std::greater<int>());
    return cards;
}

}  // namespace tallowen::examples
