// What became of every board a simulated session played, counted against what went in: each
// board recorded right, lost (with the fault that explains it, when one does), or recorded
// wrong, one line each, and the totals.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "records/Deal.h"
#include "sim/SimSession.h"

namespace tallowen {

// The injected fault that hid what the watcher needed for board `i` (an index into the boards
// played) while it or the board before was played: "window closed", "table away the board
// before", ...; empty when no fault explains a loss. A late score or a spoilt glyph only
// delays a capture, so they explain nothing.
std::string FaultExcuse(const std::vector<SimPlayedBoard>& played,
                        const std::vector<SimFaultEvent>& faults, std::size_t i);

struct SessionAccount {
    std::vector<std::string> lines;  // one for each board played, then one for each stray record
    int played = 0, right = 0, lost = 0, mixed = 0;
    int lostUnexplained = 0;  // lost boards that no injected fault explains
};

// `records` by record name: the records this session wrote.
SessionAccount AccountForSession(const std::map<std::string, Deal>& records,
                                 const std::vector<SimPlayedBoard>& played,
                                 const std::vector<SimFaultEvent>& faults);

// "played P, right R, lost L, mixed M"
std::string AccountSummary(const SessionAccount& account);

}  // namespace tallowen
