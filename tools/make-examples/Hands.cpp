#include "Hands.h"

#include <algorithm>
#include <functional>

namespace tallowen::examples {

Hands DealHands(SeededRandom& random) {
    const DealtHands dealt = ShuffleDeal(random);
    Hands hands;
    for (int seat = 0; seat < 4; ++seat) hands[seat].assign(dealt[seat].begin(), dealt[seat].end());
    return hands;
}

int Points(const Hand& hand) {
    int points = 0;
    for (int code : hand) points += std::max(0, CardRank(code) - 10);
    return points;
}

int Length(const Hand& hand, int suit) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [suit](int c) { return CardSuit(c) == suit; }));
}

int Aces(const Hand& hand) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](int c) { return CardRank(c) == 14; }));
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
        if (CardSuit(code) == suit) cards.push_back(code);
    std::sort(cards.begin(), cards.end(), std::greater<int>());
    return cards;
}

}  // namespace tallowen::examples
