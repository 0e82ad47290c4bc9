// Four hands of card codes and what a bidder sees in them.
#pragma once

#include <array>
#include <vector>

#include "records/BridgeRules.h"

namespace tallowen::examples {

using Hand = std::vector<int>;
using Hands = std::array<Hand, 4>;

// A shuffled pack dealt thirteen cards each.
Hands DealHands(SeededRandom& random);

int Points(const Hand& hand);  // high-card points, ace 4 .. jack 1
int Length(const Hand& hand, int suit);
int Aces(const Hand& hand);
bool Balanced(const Hand& hand);               // 4-3-3-3, 4-4-3-2 or 5-3-3-2
int LongestSuit(const Hand& hand);             // the higher one of equal lengths
Hand CardsOfSuit(const Hand& hand, int suit);  // highest first

}  // namespace tallowen::examples
