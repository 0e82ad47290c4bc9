#include "BoardMaker.h"

#include <algorithm>

#include "Auction.h"
#include "CardPlay.h"
#include "records/Contract.h"
#include "records/PlayAnalysis.h"

namespace tallowen::examples {

namespace {

// A board bid and played from one plan.
struct Evaluated {
    Deal deal;
    PlayOutcome play;
    int result = 0;
};

// Puts the calls into the grid (round 1 starts at the dealer's column) and reads the contract.
bool FillAuction(Deal& deal, const std::vector<std::string>& calls, int dealer) {
    if (calls.empty()) return false;
    const int count = static_cast<int>(calls.size());
    const int rounds = (dealer + count - 1) / 4 + 1;
    if (rounds > kMaxRounds) return false;
    deal.Calls = {};
    for (int i = 0; i < count; ++i) deal.Calls[(dealer + i) / 4 + 1][(dealer + i) % 4] = calls[i];
    deal.Rounds = rounds;
    NullLogSink log;
    FindContract(deal, log);
    FindDealer(deal, log);
    return true;
}

std::optional<Evaluated> Evaluate(const Hands& hands, int dealer, const Plan& plan,
                                  const BoardStyle& style, SeededRandom& random) {
    Evaluated e;
    auto calls = BidAuction(hands, dealer, plan, style.pass, style.overcallPercent, random);
    if (!FillAuction(e.deal, calls, dealer) || e.deal.Level < 1) return std::nullopt;
    e.play = PlayOut(hands, e.deal.Declarer, e.deal.Strain);
    e.result = ContractResult(e.deal.Level, e.play.declarerTricks);
    return e;
}

int GameLevel(int strain) {
    return strain == kNoTrump ? 3 : strain >= ToInt(Suit::Hearts) ? 4 : 5;
}

// Players who would take many more tricks than their points promise bid on (to game, and to
// a slam only with the values); those who take far fewer stop lower.
int AdjustLevel(int level, int strain, int odd, int points, SeededRandom& random) {
    if (odd >= level + 2) {
        int wanted = odd - random.Below(2);
        // Slams want the values as well as the tricks: 31 points for six, 35 for seven.
        int cap = points >= 35 ? 7 : points >= 31 ? 6 : std::max(level, GameLevel(strain));
        wanted = std::min(wanted, cap);
        return std::max(level, wanted);
    }
    if (odd <= level - 2) return std::max(1, odd + random.Below(2));
    return level;
}

// The first trick from which one side takes all the rest: where the play stopped for a claim.
// 13 when only the last trick or none would be left.
int ClaimPoint(const PlayOutcome& play) {
    for (int k = 6; k <= 11; ++k) {
        bool same = true;
        for (int t = k + 1; t < 13; ++t) same = same && play.winner[t] % 2 == play.winner[k] % 2;
        if (same) return k;
    }
    return 13;
}

void FillPlay(Deal& deal, const PlayOutcome& play, int claimAt) {
    deal.CardMarks = {};
    for (int seat = 0; seat < 4; ++seat)
        for (int t = 0; t < 13; ++t) {
            deal.Cards[seat][t] = CardText(play.cards[seat][t]);
            if (t >= claimAt) deal.CardMarks[seat][t] = 2;
        }
    for (int t = 0; t < claimAt; ++t) deal.CardMarks[play.leader[t]][t] = 1;
    AnalysePlay(deal, 0);
}

// Four passes; the hands, never played, are kept in their order as dealt (highest first).
MadeBoard PassedOut(const Hands& hands, int dealer, const BoardStyle& style) {
    MadeBoard made;
    FillAuction(made.deal, {style.pass, style.pass, style.pass, style.pass}, dealer);
    for (int seat = 0; seat < 4; ++seat)
        for (int t = 0; t < 13; ++t) {
            made.deal.Cards[seat][t] = CardText(hands[seat][t]);
            made.deal.CardMarks[seat][t] = 2;
        }
    AnalysePlay(made.deal, 0);
    return made;
}

bool Shows(Want want, const Deal& deal, int result, bool claimed) {
    switch (want) {
        case Want::DoubledMade:
            return deal.Doubled == 1 && result > 0;
        case Want::DoubledDown:
            return deal.Doubled == 1 && result < 0;
        case Want::RedoubledMade:
            return deal.Doubled == 2 && result > 0;
        case Want::RedoubledDown:
            return deal.Doubled == 2 && result < 0;
        case Want::Claim:
            return claimed;
        case Want::SlamMade:
            return deal.Level >= 6 && result > 0;
        case Want::Any:
            return result >= -4;
        case Want::PassOut:
            return false;
    }
    return false;
}

int DoubledFor(Want want) {
    if (want == Want::DoubledMade || want == Want::DoubledDown) return 1;
    if (want == Want::RedoubledMade || want == Want::RedoubledDown) return 2;
    return 0;
}

std::optional<MadeBoard> TryBoard(SeededRandom& random, int dealer, Want want,
                                  const BoardStyle& style) {
    Hands hands = DealHands(random);
    std::optional<Plan> plan = PlanContract(hands, dealer);
    if (want == Want::PassOut) {
        if (plan) return std::nullopt;
        return PassedOut(hands, dealer, style);
    }
    if (!plan) return std::nullopt;
    plan->doubled = DoubledFor(want);
    auto e = Evaluate(hands, dealer, *plan, style, random);
    if (!e) return std::nullopt;
    int points = Points(hands[plan->side]) + Points(hands[plan->side + 2]);
    int level =
        AdjustLevel(e->deal.Level, e->deal.Strain, e->play.declarerTricks - 6, points, random);
    if (level != e->deal.Level) {
        *plan = WithLevel(*plan, level);
        e = Evaluate(hands, dealer, *plan, style, random);
        if (!e) return std::nullopt;
    }
    if (want == Want::Any && e->result <= -2 && random.Percent(style.doublePercent)) {
        plan->doubled = 1;
        e = Evaluate(hands, dealer, *plan, style, random);
        if (!e) return std::nullopt;
    }
    bool claim = want == Want::Claim || (want == Want::Any && random.Percent(style.claimPercent));
    int claimAt = claim ? ClaimPoint(e->play) : 13;
    MadeBoard made{e->deal, e->result, claimAt < 13};
    FillPlay(made.deal, e->play, claimAt);
    if (!Shows(want, made.deal, made.result, made.claimed)) return std::nullopt;
    return made;
}

}  // namespace

std::optional<MadeBoard> MakeBoard(SeededRandom& random, int dealer, Want want,
                                   const BoardStyle& style, int tries) {
    for (int i = 0; i < tries; ++i) {
        if (auto made = TryBoard(random, dealer, want, style)) return made;
    }
    return std::nullopt;
}

}  // namespace tallowen::examples
