#include "records/Scoring.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "records/BridgeRules.h"

namespace tallowen {

namespace {
std::int32_t ClampInt32(std::int64_t n) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(n, INT32_MIN, INT32_MAX));
}

bool IsMinor(int strain) {
    return strain == ToInt(Suit::Clubs) || strain == ToInt(Suit::Diamonds);
}

// Multiplier of the trick score: 1 undoubled, 2 doubled, 4 redoubled.
int DoubleFactor(int doubled) {
    return doubled == 1 ? 2 : doubled == 2 ? 4 : 1;
}

bool VulsKnown(const Deal& deal) {
    for (int side = 0; side < 2; ++side) {
        if (deal.ScoreBefore[side].Vul < 0 || deal.ScoreAfter[side].Vul < 0) return false;
    }
    return true;
}

bool HasContract(const Deal& deal) {
    return deal.Level >= 1 && deal.Strain >= 0 && deal.Strain <= kNoTrump && deal.Declarer >= 0 &&
           deal.Declarer < kSeatCount && deal.DeclarerSide == deal.Declarer % 2;
}

// The doubled penalty of `under` undertricks at vulnerability `vul`.
int DoubledPenalty(int under, int vul) {
    if (vul == 0) return under <= 2 ? 200 * under - 100 : 300 * under - 400;
    return 300 * under - 100;
}

int PenaltyScore(int under, int doubled, int vul) {
    if (doubled <= 0) return (vul == 0 ? 50 : 100) * under;
    int penalty = DoubledPenalty(under, vul);
    return doubled == 2 ? 2 * penalty : penalty;
}

// Undertricks from the defenders' gain `p`; 0 when it does not fit.
int UndertricksFromPoints(const Deal& deal, std::int64_t p, int vul) {
    int n = 0;
    if (deal.Doubled <= 0) {
        AddTrickCount(n, p, vul == 0 ? 50 : 100);
        return n;
    }
    if (deal.Doubled == 2) p /= 2;
    if (vul == 0 && p > 500) {
        AddTrickCount(n, p + 400, 300);
    } else {
        AddTrickCount(n, p + 100, vul == 0 ? 200 : 300);
    }
    return n;
}

// Tricks made from the declarers' gain `points` once the bonuses are taken off.
int TricksFromPoints(const Deal& deal, std::int64_t points, int vul, int vulAfter, int otherVul,
                     LogSink& log) {
    std::int64_t rest = points;
    int slam = SlamBonus(deal.Level, vul);
    rest -= slam;
    if (slam != 0) log.Log("スラムボーナス: " + std::to_string(slam));
    if (vul == 1 && vulAfter == 0) {
        // The vulnerability went back to none: this board ended a rubber.
        int rubber = otherVul == 0 ? 700 : 500;
        rest -= rubber;
        log.Log("ラバーボーナス: " + std::to_string(rubber));
        if (rest < 1) rest += rubber;
    }
    if (deal.Doubled > 0) {
        rest -= 50 * deal.Doubled;
        log.Log("ダブルボーナス: " + std::to_string(50 * deal.Doubled));
    }
    int trick = TrickScore(deal.Level, deal.Strain, deal.Doubled);
    rest -= trick;
    log.Log("得点(コントラクト): " + std::to_string(trick));
    log.Log("引算後 " + std::to_string(rest));
    int n = deal.Level;
    if (rest != 0) {
        int per = deal.Doubled == 1      ? (vul == 0 ? 100 : 200)
                  : deal.Doubled == 2    ? (vul == 0 ? 200 : 400)
                  : IsMinor(deal.Strain) ? 20
                                         : 30;
        AddTrickCount(n, rest, per);
    }
    return n;
}
}  // namespace

int TrickScore(int level, int strain, int doubled) {
    if (strain < 0 || strain > kNoTrump) return 0;
    int base = IsMinor(strain) ? 20 * level : strain == kNoTrump ? 30 * level + 10 : 30 * level;
    return base * DoubleFactor(doubled);
}

int OvertrickScore(int overtricks, int strain, int doubled, int vul) {
    int per = doubled == 1      ? (vul == 0 ? 100 : 200)
              : doubled == 2    ? (vul == 0 ? 200 : 400)
              : IsMinor(strain) ? 20
                                : 30;
    return per * overtricks;
}

int GameBonus(int level, int strain, int doubled, int vul) {
    int bonus = 50;
    if (strain >= 0 && strain <= kNoTrump) {
        // Lowest game level in minors, majors and no trump, by doubling.
        static constexpr int kGameLevel[3][3] = {{5, 4, 3}, {3, 2, 2}, {2, 1, 1}};
        int kind = IsMinor(strain) ? 0 : strain == kNoTrump ? 2 : 1;
        int d = std::clamp(doubled, 0, 2);
        if (level >= kGameLevel[d][kind]) bonus = vul == 0 ? 300 : 500;
    }
    if (doubled == 1) bonus += 50;
    if (doubled == 2) bonus += 100;
    return bonus;
}

int SlamBonus(int level, int vul) {
    if (level == 6) return vul == 0 ? 500 : 750;
    if (level == 7) return vul == 0 ? 1000 : 1500;
    return 0;
}

int DuplicateScore(int level, int strain, int doubled, int result, int vul) {
    if (result == 0 || (vul != 0 && vul != 1)) return 0;
    if (result < 0) return PenaltyScore(-result, doubled, vul);
    int over = result - level;
    int score = SlamBonus(level, vul) + GameBonus(level, strain, doubled, vul) +
                TrickScore(level, strain, doubled);
    if (over > 0) score += OvertrickScore(over, strain, doubled, vul);
    return score;
}

int DuplicateScore(const Deal& deal) {
    if (!VulsKnown(deal) || deal.Result == 0 || !HasContract(deal)) return 0;
    return DuplicateScore(deal.Level, deal.Strain, deal.Doubled, deal.Result,
                          deal.ScoreBefore[deal.DeclarerSide].Vul);
}

int HonorBonus(const Deal& deal, int seat) {
    if (seat < 0 || seat >= kSeatCount) return 0;
    return HandHonourBonus(deal.PlayCodes[std::size_t(seat)], deal.Strain);
}

void AddTrickCount(int& n, std::int64_t p, int per) {
    if (per == 0) return;
    const std::int64_t q = p / per;
    if (p < q * per) {
        n = 0;
    } else {
        n = ClampInt32(n + q);
    }
}

int ResultFromPoints(const Deal& deal, std::int64_t points, LogSink& log) {
    if (!VulsKnown(deal) || !HasContract(deal)) return 0;
    int side = deal.DeclarerSide;
    int vul = deal.ScoreBefore[side].Vul;
    if (points < 1) {
        int n = UndertricksFromPoints(deal, -points, vul);
        return n > 7 ? 0 : -n;
    }
    int n = TricksFromPoints(deal, points, vul, deal.ScoreAfter[side].Vul,
                             deal.ScoreBefore[1 - side].Vul, log);
    return n > 13 ? 0 : n;
}

namespace {
std::string Pair(std::int64_t a, std::int64_t b, const char* sep) {
    return std::to_string(a) + sep + std::to_string(b);
}

// Every trick was played: the declaring side's tricks give the result.
void ResultFromTricks(Deal& deal, const int tricks[2], LogSink& log) {
    deal.DeclarerSide = deal.Declarer % 2;
    deal.Result = ContractResult(deal.Level, tricks[deal.DeclarerSide]);
    log.Log("クレイムなし");
    log.Log(" Making " + std::to_string(deal.Result));
    log.Log(Pair(tricks[0], tricks[1], " ") + " " + std::to_string(tricks[deal.DeclarerSide]));
}

}  // namespace

bool ResultFromScoreboard(Deal& deal, LogSink& log) {
    const ScorePair& before = deal.ScoreBefore;
    const ScorePair& after = deal.ScoreAfter;
    // Scoreboard values are any 32-bit numbers; their differences need 64 bits.
    std::int64_t gained[2];
    for (int k = 0; k < 2; ++k) gained[k] = std::int64_t{after[k].Score} - before[k].Score;
    log.Log("得点(前) " + Pair(before[0].Score, before[1].Score, " "));
    log.Log("得点(後) " + Pair(after[0].Score, after[1].Score, ", "));
    log.Log("獲得得点 " + Pair(gained[0], gained[1], ", "));
    if (gained[0] < 0 || gained[1] < 0) {
        // The scoreboard started over: what it shows now was all gained on this board.
        for (int k = 0; k < 2; ++k) gained[k] = after[k].Score;
    }
    for (int k = 0; k < 2; ++k) deal.Gained[k] = ClampInt32(gained[k]);
    if (!HasContract(deal)) return false;
    std::int64_t net[2];
    for (int k = 0; k < 2; ++k) {
        net[k] =
            std::max<std::int64_t>(0, gained[k] - (HonorBonus(deal, k) + HonorBonus(deal, k + 2)));
    }
    log.Log(" Honor Bonus 引き算後 " + Pair(net[0], net[1], ", "));
    if (net[0] > 0 && net[1] > 0) return false;
    int side = deal.DeclarerSide;
    deal.Result = net[side] < 1 ? ResultFromPoints(deal, -net[1 - side], log)
                                : ResultFromPoints(deal, net[side], log);
    return true;
}

void DetermineResult(Deal& deal, LogSink& log) {
    deal.Result = 0;
    deal.DupPts = 0;
    int tricks[2] = {deal.TricksWon[0] + deal.TricksWon[2], deal.TricksWon[1] + deal.TricksWon[3]};
    if (tricks[0] + tricks[1] == kTrickCount) {
        // Without a contract (passed out, unfinished or unreadable auction) there is nothing
        // to score, and the declarer may be left over from another board.
        if (deal.Level < 1 || deal.Strain < 0 || deal.Declarer < 0 || deal.Declarer >= kSeatCount)
            return;
        ResultFromTricks(deal, tricks, log);
    } else {
        log.Log("クレイムあり");
        if (!ResultFromScoreboard(deal, log)) return;
    }
    deal.DupPts = DuplicateScore(deal);
    log.Log(" Make/Down " + std::to_string(deal.Result) + ",  DupPts " +
            std::to_string(deal.DupPts));
}

}  // namespace tallowen
