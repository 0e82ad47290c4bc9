#include "records/PlayAnalysis.h"

#include "common/Notation.h"
#include "records/BridgeRules.h"
#include "records/Contract.h"
#include "records/Scoring.h"

namespace tallowen {

namespace {
constexpr std::uint8_t kLed = 1;
constexpr std::uint8_t kNotPlayed = 2;

enum class MarkSeen { None, Lead, Unplayed };

// The first marked card of trick t in seat order: a lead (and its seat) or an unplayed card.
MarkSeen FirstMark(const CardMarkGrid& marks, int t, int& seat) {
    for (int s = 0; s < kSeatCount; ++s) {
        if (marks[s][t] == kLed) {
            seat = s;
            return MarkSeen::Lead;
        }
        if (marks[s][t] == kNotPlayed) return MarkSeen::Unplayed;
    }
    return MarkSeen::None;
}

// Winner of trick t by its cards. A card left in the hand by a claim counts as played: once
// the trick is led, the cards still held are forced, and the claim gave up the trick to them.
int DecideTrick(const CardCodeGrid& codes, int t, int leader, int trump) {
    std::array<int, kSeatCount> cards{};
    for (int s = 0; s < kSeatCount; ++s) cards[std::size_t(s)] = codes[s][t];
    return TrickWinner(cards, leader, trump);
}
}  // namespace

void TrickWinners(TrickFlagGrid& won, TrickCounts& count, const CardCodeGrid& codes,
                  const CardMarkGrid& marks, int trump) {
    for (auto& row : won) row.fill(0);
    count.fill(0);
    int t = 0;
    for (; t < kTrickCount - 1; ++t) {
        int seat = -1;
        MarkSeen next = FirstMark(marks, t + 1, seat);
        if (next == MarkSeen::Unplayed) break;
        if (next == MarkSeen::Lead) {
            won[seat][t] = 1;
            ++count[seat];
        }
    }
    int leader = 0;
    if (FirstMark(marks, t, leader) == MarkSeen::Unplayed) return;
    int winner = DecideTrick(codes, t, leader, trump);
    won[winner][t] = 1;
    ++count[winner];
}

void AnalysePlay(Deal& deal, int cardOrder) {
    CardCodes(deal.PlayCodes, deal.Cards);
    int seat = -1, code = -1;
    FindLead(seat, code, deal.CardMarks, deal.PlayCodes);
    deal.LeadSeat = std::int16_t(seat);
    deal.LeadCode = std::int16_t(code);
    SortHands(deal.SortedCodes, deal.PlayCodes, cardOrder);
    TrickWinners(deal.TrickWon, deal.TricksWon, deal.PlayCodes, deal.CardMarks, deal.Strain);
}

void DeriveDeal(Deal& deal, int cardOrder, LogSink& log) {
    FindContract(deal, log);
    FindDealer(deal, log);
    AnalysePlay(deal, cardOrder);
    DetermineResult(deal, log);
}

}  // namespace tallowen
