// Plausible auctions: the stronger side reaches the contract its points and fit suggest,
// through an opening, a response and a raise or a slam try; the opponents pass or come in
// with a long suit; a double and redouble close the auction when asked for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Hands.h"
#include "records/BridgeRules.h"

namespace tallowen::examples {

struct Bid {
    int level = 0;   // 1..7
    int strain = 0;  // 0..3 clubs to spades, 4 no trump
};

// What the bidding side aims for.
struct Plan {
    int side = 0;
    Bid target;
    int doubled = 0;  // 0, 1 doubled, 2 redoubled
};

// The contract the stronger side would look for; none when nobody has the values to open.
std::optional<Plan> PlanContract(const Hands& hands, int dealer);

// A plan at another level (the cards played better or worse than the points said).
Plan WithLevel(const Plan& plan, int level);

// The calls in order from the dealer ("1H", "X", "XX", or `pass`); empty when the plan cannot
// be bid (levels run out). No plan: four passes.
std::vector<std::string> BidAuction(const Hands& hands, int dealer, const std::optional<Plan>& plan,
                                    const std::string& pass, int overcallPercent,
                                    SeededRandom& random);

}  // namespace tallowen::examples
