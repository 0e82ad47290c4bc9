#include "Auction.h"

#include <algorithm>

#include "common/Notation.h"

namespace tallowen::examples {

namespace {

int Rank(Bid b) {
    return b.level * 5 + b.strain;
}

std::string Text(Bid b) {
    return std::to_string(b.level) + SuitLetter(b.strain);
}

// The cheapest bid in `strain` above the bid of rank `high` (level 8 when none is left).
Bid Cheapest(int strain, int high) {
    Bid b{1, strain};
    while (Rank(b) <= high) ++b.level;
    return b;
}

bool CanOpen(const Hand& hand) {
    return Points(hand) >= 12 || (Points(hand) >= 10 && Length(hand, LongestSuit(hand)) >= 6);
}

int NoTrumpLevel(int points) {
    return points >= 37 ? 7 : points >= 33 ? 6 : points >= 25 ? 3 : points >= 23 ? 2 : 1;
}

int SuitLevel(int points, int strain) {
    bool major = strain >= ToInt(Suit::Hearts);
    if (points >= 37) return 7;
    if (points >= 33) return 6;
    if (major) return points >= 25 ? 4 : points >= 23 ? 3 : points >= 19 ? 2 : 1;
    return points >= 29 ? 5 : points >= 23 ? 3 : 2;
}

Bid ChooseTarget(const Hand& a, const Hand& b) {
    int points = Points(a) + Points(b);
    int fit[4];
    for (int s = 0; s < 4; ++s) fit[s] = Length(a, s) + Length(b, s);
    int major = fit[3] >= fit[2] ? 3 : 2;
    int minor = fit[1] >= fit[0] ? 1 : 0;
    if (fit[major] >= 8) return {SuitLevel(points + 2 * (fit[major] - 8), major), major};
    bool flat = Balanced(a) || Balanced(b);
    if (flat || points >= 25 || fit[minor] < 8) {
        if (!flat && fit[minor] >= 7 && points < 23) return {SuitLevel(points, minor), minor};
        if (!flat && fit[major] >= 7 && points < 23) return {SuitLevel(points, major), major};
        return {NoTrumpLevel(points), kNoTrump};
    }
    return {SuitLevel(points + 2 * (fit[minor] - 8), minor), minor};
}

Bid OpeningBid(const Hand& hand) {
    int points = Points(hand);
    if (Balanced(hand) && points >= 15 && points <= 17) return {1, kNoTrump};
    if (Balanced(hand) && points >= 20 && points <= 21) return {2, kNoTrump};
    int spades = Length(hand, 3), hearts = Length(hand, 2);
    if (std::max(spades, hearts) >= 5) return {1, spades >= hearts ? 3 : 2};
    int clubs = Length(hand, 0), diamonds = Length(hand, 1);
    if (diamonds > clubs || (diamonds == clubs && diamonds >= 4)) return {1, 1};
    return {1, 0};
}

// The answer to an ace-asking 4NT: 5C none (or four), 5D one, 5H two, 5S three.
Bid AceAnswer(const Hand& hand) {
    return {5, Aces(hand) % 4};
}

// A slam try over the fit, then the slam.
void AddSlamTry(std::vector<Bid>& route, const Hand& answerer, Bid target) {
    route.push_back({4, kNoTrump});
    route.push_back(AceAnswer(answerer));
    route.push_back(target);
}

// Bids of the side in turn, opener first, responder second.
std::vector<Bid> Route(const Hand& opener, const Hand& responder, Bid target) {
    Bid open = OpeningBid(opener);
    std::vector<Bid> route{open};
    const int s = target.strain;
    // Too weak to answer: the opening bid is the contract.
    if (Points(responder) < 6 && target.level < 3) return route;
    if (open.strain == s) {
        if (target.level <= open.level) return route;
        if (target.level >= 6 && s < kNoTrump) {
            route.push_back({3, s});
            AddSlamTry(route, responder, target);
        } else {
            route.push_back(target);
        }
        return route;
    }
    if (s == kNoTrump) {
        for (int y = 3; y > open.strain && open.level == 1; --y) {
            if (Length(responder, y) < 4) continue;
            route.push_back({1, y});
            route.push_back(target.level == 1 ? Bid{1, kNoTrump} : target);
            return route;
        }
        route.push_back(target);
        return route;
    }
    if (Length(responder, s) >= Length(opener, s)) {
        Bid named = Cheapest(s, Rank(open));
        route.push_back(named);
        if (Rank(target) <= Rank(named)) return route;
        // The opener raises, or asks for aces on the way to a slam.
        if (target.level >= 6)
            AddSlamTry(route, responder, target);
        else
            route.push_back(target);
        return route;
    }
    // The opener holds the suit: a waiting answer, the suit, then the raise.
    route.push_back(open.strain == kNoTrump ? Cheapest(ToInt(Suit::Clubs), Rank(open))
                                            : Bid{1, kNoTrump});
    route.push_back(Cheapest(s, Rank(route.back())));
    if (Rank(target) > Rank(route.back())) route.push_back(target);
    return route;
}

}  // namespace

std::optional<Plan> PlanContract(const Hands& hands, int dealer) {
    bool anyOpener = false;
    for (const Hand& hand : hands) anyOpener = anyOpener || CanOpen(hand);
    if (!anyOpener) return std::nullopt;
    int points[2] = {Points(hands[0]) + Points(hands[2]), Points(hands[1]) + Points(hands[3])};
    Plan plan;
    plan.side = points[0] != points[1] ? (points[0] > points[1] ? 0 : 1) : dealer % 2;
    plan.target = ChooseTarget(hands[plan.side], hands[plan.side + 2]);
    return plan;
}

Plan WithLevel(const Plan& plan, int level) {
    Plan moved = plan;
    moved.target.level = std::clamp(level, 1, 7);
    return moved;
}

namespace {

int Opener(const Hands& hands, int dealer, int side) {
    for (int i = 0; i < 4; ++i) {
        int seat = (dealer + i) % 4;
        if (seat % 2 == side && CanOpen(hands[seat])) return seat;
    }
    return Points(hands[side]) >= Points(hands[side + 2]) ? side : side + 2;
}

// An opponent comes in with a five-card suit at the one or two level, below the contract the
// other side is heading for: with an opening hand at any time, else now and then with 8 or more.
std::optional<Bid> Overcall(const Hand& hand, int high, bool opened, Bid target, int percent,
                            SeededRandom& random) {
    int suit = LongestSuit(hand);
    if (Length(hand, suit) < 5) return std::nullopt;
    bool strong = Points(hand) >= 12;
    if (!strong && (!opened || Points(hand) < 8 || !random.Percent(percent))) return std::nullopt;
    Bid bid = Cheapest(suit, high);
    if (bid.level > 2 || Rank(bid) >= Rank(target)) return std::nullopt;
    return bid;
}

// The passes that close the auction after the final bid of `bidder`, or a double by the
// stronger opponent (at once, or in the pass-out seat) and perhaps a redouble.
void CloseAuction(std::vector<std::string>& calls, const Hands& hands, int bidder, int doubled,
                  const std::string& pass) {
    if (doubled == 0) {
        calls.insert(calls.end(), {pass, pass, pass});
        return;
    }
    const int lho = (bidder + 1) % 4, rho = (bidder + 3) % 4;
    if (Points(hands[rho]) > Points(hands[lho])) calls.insert(calls.end(), {pass, pass});
    calls.push_back("X");
    if (doubled == 2) calls.push_back("XX");
    calls.insert(calls.end(), {pass, pass, pass});
}

}  // namespace

std::vector<std::string> BidAuction(const Hands& hands, int dealer, const std::optional<Plan>& plan,
                                    const std::string& pass, int overcallPercent,
                                    SeededRandom& random) {
    std::vector<std::string> calls;
    if (!plan) return {pass, pass, pass, pass};
    const int opener = Opener(hands, dealer, plan->side);
    const std::vector<Bid> route = Route(hands[opener], hands[(opener + 2) % 4], plan->target);
    std::size_t next = 0;
    int high = -1;
    bool opened = false, done = false;
    int bidder = opener;
    bool cameIn[4] = {false, false, false, false};
    for (int turn = dealer; !done; turn = (turn + 1) % 4) {
        if (turn % 2 != plan->side) {
            auto bid = cameIn[turn] ? std::nullopt
                                    : Overcall(hands[turn], high, opened, route.back(),
                                               overcallPercent, random);
            calls.push_back(bid ? Text(*bid) : pass);
            if (bid) high = Rank(*bid);
            cameIn[turn] = cameIn[turn] || bid.has_value();
            continue;
        }
        if (!opened && turn != opener) {
            calls.push_back(pass);
            continue;
        }
        // A bid the opponents have overtaken goes up a level; one that reaches the contract
        // becomes the contract.
        bool last = next + 1 == route.size();
        Bid bid = Cheapest(route[next].strain, std::max(high, Rank(route[next]) - 1));
        if (!last && Rank(bid) >= Rank(route.back())) {
            bid = Cheapest(route.back().strain, std::max(high, Rank(route.back()) - 1));
            last = true;
        }
        if (bid.level > 7) return {};
        calls.push_back(Text(bid));
        high = Rank(bid);
        opened = true;
        ++next;
        bidder = turn;
        done = last;
    }
    CloseAuction(calls, hands, bidder, plan->doubled, pass);
    return calls;
}

}  // namespace tallowen::examples
