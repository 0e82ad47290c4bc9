#include "CardPlay.h"

#include <algorithm>

#include "records/BridgeRules.h"

namespace tallowen::examples {

namespace {

class PlayTable {
public:
    PlayTable(const Hands& hands, int declarer, int trump)
        : left_(hands), declarer_(declarer), trump_(trump) {}

    PlayOutcome Run() {
        PlayOutcome out;
        int leader = (declarer_ + 1) % 4;
        for (int trick = 0; trick < 13; ++trick) {
            trick_.clear();
            out.leader[trick] = leader;
            for (int i = 0; i < 4; ++i) {
                int seat = (leader + i) % 4;
                int card = i == 0 ? Lead(seat, trick) : Follow(seat, i);
                Play(seat, card);
                out.cards[seat][trick] = card;
            }
            leader = (leader + WinningPlace()) % 4;
            out.winner[trick] = leader;
            if (leader % 2 == declarer_ % 2) ++out.declarerTricks;
        }
        return out;
    }

private:
    bool Beats(int card, int best) const { return CardBeats(card, best, trump_); }

    int WinningPlace() const {
        int place = 0;
        for (int i = 1; i < static_cast<int>(trick_.size()); ++i)
            if (Beats(trick_[i], trick_[place])) place = i;
        return place;
    }

    void Play(int seat, int card) {
        Hand& hand = left_[seat];
        hand.erase(std::find(hand.begin(), hand.end(), card));
        played_[card] = true;
        trick_.push_back(card);
    }

    // No card of the suit above this one is still out in another hand.
    bool IsTop(int seat, int card) const {
        for (int rank = CardRank(card) + 1; rank <= 14; ++rank) {
            int code = MakeCardCode(CardSuit(card), rank);
            const Hand& own = left_[seat];
            if (!played_[code] && std::find(own.begin(), own.end(), code) == own.end())
                return false;
        }
        return true;
    }

    bool OpponentsHold(int seat, int suit) const {
        for (int other : {(seat + 1) % 4, (seat + 3) % 4})
            if (Length(left_[other], suit) > 0) return true;
        return false;
    }

    // The lowest card of the longest suit other than trumps (trumps when nothing else is left).
    int LowFromLongest(int seat) const {
        const Hand& hand = left_[seat];
        int best = -1;
        for (int suit = 0; suit < 4; ++suit) {
            if (suit == trump_ || Length(hand, suit) == 0) continue;
            if (best < 0 || Length(hand, suit) > Length(hand, best)) best = suit;
        }
        if (best < 0) return *std::min_element(hand.begin(), hand.end());
        return CardsOfSuit(hand, best).back();
    }

    int OpeningLead(int seat) const {
        const Hand& hand = left_[seat];
        int best = -1;
        for (int suit = 3; suit >= 0; --suit) {
            if (suit == trump_ || Length(hand, suit) == 0) continue;
            if (best < 0 || Length(hand, suit) > Length(hand, best)) best = suit;
        }
        if (best < 0) return hand.front();
        Hand cards = CardsOfSuit(hand, best);
        bool touching = cards.size() >= 2 && CardRank(cards[0]) >= 12 &&
                        CardRank(cards[0]) == CardRank(cards[1]) + 1;
        if (touching || cards.size() <= 2) return cards[0];
        return cards.size() >= 4 ? cards[3] : cards.back();
    }

    int Lead(int seat, int trick) const {
        if (trick == 0) return OpeningLead(seat);
        const Hand& hand = left_[seat];
        bool declaring = seat % 2 == declarer_ % 2;
        if (declaring && trump_ < kNoTrump && Length(hand, trump_) > 0 &&
            OpponentsHold(seat, trump_)) {
            Hand trumps = CardsOfSuit(hand, trump_);
            return IsTop(seat, trumps.front()) ? trumps.front() : trumps.back();
        }
        // Cash a winner in a side suit.
        for (int code : hand)
            if (CardSuit(code) != trump_ && IsTop(seat, code)) return code;
        return LowFromLongest(seat);
    }

    int Follow(int seat, int place) const {
        const Hand& hand = left_[seat];
        int led = CardSuit(trick_[0]);
        int bestPlace = WinningPlace();
        int best = trick_[bestPlace];
        bool partnerWins = (place - bestPlace) % 2 == 0;
        bool last = place == 3;
        Hand same = CardsOfSuit(hand, led);
        if (!same.empty()) {
            if (partnerWins && (last || IsTop(seat, best) || CardSuit(best) != led))
                return same.back();
            if (place == 1 && CardRank(trick_[0]) < 10) return same.back();  // second hand low
            for (auto it = same.rbegin(); it != same.rend(); ++it)
                if (Beats(*it, best)) return *it;
            return same.back();
        }
        if (!partnerWins && trump_ < kNoTrump) {
            Hand trumps = CardsOfSuit(hand, trump_);
            for (auto it = trumps.rbegin(); it != trumps.rend(); ++it)
                if (Beats(*it, best)) return *it;
        }
        return Discard(seat);
    }

    // The lowest card of a side suit, kept away from winners where possible.
    int Discard(int seat) const {
        const Hand& hand = left_[seat];
        int pick = -1;
        for (int code : hand) {
            if (CardSuit(code) == trump_) continue;
            bool better =
                pick < 0 || (IsTop(seat, pick) && !IsTop(seat, code)) ||
                (IsTop(seat, pick) == IsTop(seat, code) && CardRank(code) < CardRank(pick));
            if (better) pick = code;
        }
        if (pick >= 0) return pick;
        return *std::min_element(hand.begin(), hand.end());
    }

    Hands left_;
    int declarer_;
    int trump_;
    std::array<bool, 415> played_{};
    std::vector<int> trick_;
};

}  // namespace

PlayOutcome PlayOut(const Hands& hands, int declarer, int trump) {
    return PlayTable(hands, declarer, trump).Run();
}

}  // namespace tallowen::examples
