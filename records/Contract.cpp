#include "records/Contract.h"

#include <algorithm>

#include "common/Notation.h"
#include "common/Text.h"

namespace tallowen {

namespace {
int UsedRounds(const Deal& deal) {
    return std::clamp(int(deal.Rounds), 0, kMaxRounds);
}

// The first player on `side` to name `strain`, searching the auction from its start.
int FindDeclarer(const Deal& deal, int side, int strain) {
    for (int r = 1; r <= UsedRounds(deal); ++r) {
        for (int seat : {side, side + 2}) {
            if (CallStrain(Trim(deal.Calls[r][seat])) == strain) return seat;
        }
    }
    return -1;
}

void SetFinalBid(Deal& deal, const std::string& call, int doubled, int seat, LogSink& log) {
    ParseBid(deal, call);
    deal.Doubled = doubled;
    deal.Contract = call + (doubled == 1 ? "x" : doubled == 2 ? "xx" : "");
    // The final bid itself names the strain, so the search always ends on the bidding side.
    int declarer = FindDeclarer(deal, seat % 2, deal.Strain);
    deal.Declarer = declarer >= 0 ? declarer : seat;
    deal.DeclarerSide = deal.Declarer % 2;
    log.Log("コントラクト: " + SeatLetter(deal.Declarer) + ", " + deal.Contract);
}
}  // namespace

void ParseBid(Deal& deal, std::string_view bid) {
    deal.Level = !bid.empty() && bid[0] >= '0' && bid[0] <= '9' ? bid[0] - '0' : 0;
    deal.Strain = CallStrain(bid);
}

void FindContract(Deal& deal, LogSink& log) {
    deal.Contract.clear();
    deal.Strain = -1;
    deal.Doubled = -1;
    deal.Level = 0;
    deal.Result = 0;
    // States: 0 before the closing passes, 1..3 after that many passes, 4 after a double,
    // 5 after a redouble.
    int state = 0;
    for (int r = UsedRounds(deal); r >= 1; --r) {
        for (int seat = kSeatCount - 1; seat >= 0; --seat) {
            std::string call = Trim(deal.Calls[r][seat]);
            bool pass = IsPass(call);
            if (state == 0) {
                if (call.empty()) continue;
                if (!pass) return;
                state = 1;
            } else if (state <= 2) {
                if (!pass) return;
                ++state;
            } else if (call.empty()) {
                // A gap before the closing passes or a double: the auction is not complete.
                return;
            } else if (state == 3) {
                if (pass) {
                    deal.Contract = "Pass Out";
                    return;
                }
                if (call == "X") {
                    state = 4;
                } else if (call == "XX") {
                    state = 5;
                } else {
                    SetFinalBid(deal, call, 0, seat, log);
                    return;
                }
            } else if (state == 4) {
                if (pass) continue;
                SetFinalBid(deal, call, 1, seat, log);
                return;
            } else {
                if (pass || call == "X") continue;
                SetFinalBid(deal, call, 2, seat, log);
                return;
            }
        }
    }
}

void FindDealer(Deal& deal, LogSink& log) {
    for (int r = 1; r <= UsedRounds(deal); ++r) {
        for (int seat = 0; seat < kSeatCount; ++seat) {
            if (Trim(deal.Calls[r][seat]).empty()) continue;
            deal.Dealer = std::int16_t(seat);
            log.Log("ディーラー: " + SeatLetter(seat));
            return;
        }
    }
}

}  // namespace tallowen
