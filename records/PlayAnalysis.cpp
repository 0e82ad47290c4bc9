#include "records/PlayAnalysis.h"

#include "common/Notation.h"

namespace tallowen {

void AnalysePlay(Deal& deal, int cardOrder) {
    CardCodes(deal.PlayCodes, deal.Cards);
    int seat = -1, code = -1;
    FindLead(seat, code, deal.CardMarks, deal.PlayCodes);
    deal.LeadSeat = std::int16_t(seat);
    deal.LeadCode = std::int16_t(code);
    SortHands(deal.SortedCodes, deal.PlayCodes, cardOrder);
    TrickWinners(deal.TrickWon, deal.TricksWon, deal.PlayCodes, deal.CardMarks, deal.Strain);
}

}  // namespace tallowen
