#include "sim/SessionAccount.h"

#include "sim/SimRecord.h"

namespace tallowen {

namespace {

std::string BoardLabel(const SimPlayedBoard& p) {
    return "board " + std::to_string(p.number);
}

std::string LostLine(const SimPlayedBoard& p, const std::string& excuse) {
    std::string why = excuse.empty() ? "not captured" : excuse;
    if (p.board.PassedOut()) why += ", passed out";
    return BoardLabel(p) + ": lost (" + why + ")";
}

}  // namespace

std::string FaultExcuse(const std::vector<SimPlayedBoard>& played,
                        const std::vector<SimFaultEvent>& faults, std::size_t i) {
    const int index = played[i].index;
    for (const int board : {index, index - 1})
        for (const SimFaultEvent& f : faults) {
            if (f.board != board) continue;
            std::string what;
            if (f.kind == SimFaultKind::WindowClosed) what = "window closed";
            if (f.kind == SimFaultKind::WindowMinimized) what = "window minimised";
            if (f.kind == SimFaultKind::TableAway) what = "table away";
            if (!what.empty()) return what + (board == index ? "" : " the board before");
        }
    return "";
}

SessionAccount AccountForSession(const std::map<std::string, Deal>& records,
                                 const std::vector<SimPlayedBoard>& played,
                                 const std::vector<SimFaultEvent>& faults) {
    std::vector<Deal> wanted;
    for (const SimPlayedBoard& p : played) wanted.push_back(RecordOf(p.board));
    const RecordMatch match = MatchRecords(records, wanted);
    SessionAccount out;
    out.played = int(played.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const BoardOutcome& o = match.boards[i];
        const std::string label = BoardLabel(played[i]) + " (" + o.record + ")";
        if (o.fate == BoardFate::Right) {
            ++out.right;
            out.lines.push_back(label + ": right");
        } else if (o.fate == BoardFate::Wrong) {
            ++out.mixed;
            out.lines.push_back(label + ": mixed or wrong: " + o.detail);
        } else {
            const std::string excuse = FaultExcuse(played, faults, i);
            ++out.lost;
            out.lostUnexplained += excuse.empty();
            out.lines.push_back(LostLine(played[i], excuse));
        }
    }
    // A record that holds no board played is wrong too, though no board is counted for it.
    for (const std::string& stray : match.strays) {
        ++out.mixed;
        out.lines.push_back(stray + ": holds no board that was played");
    }
    return out;
}

std::string AccountSummary(const SessionAccount& a) {
    return "played " + std::to_string(a.played) + ", right " + std::to_string(a.right) + ", lost " +
           std::to_string(a.lost) + ", mixed " + std::to_string(a.mixed);
}

}  // namespace tallowen
