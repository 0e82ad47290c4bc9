// The trick-target row beside the trick box: how many tricks each side needs once the
// contract is known, seen from the player at the bottom of the main window.
#pragma once

#include "shell/AppContext.h"

namespace tallowen {

struct TrickTarget {
    int we = 0;
    int they = 0;
};

// The declarers need level + 6 tricks, the defenders the rest of the 13. "We" are the side of
// `bottomSeat`.
TrickTarget TargetTricks(int declarer, int bottomSeat, int level);

// After an auction is recorded: the target row shows the contract's tricks (and 13 in all),
// the taken row is emptied for the new board. A passed-out board empties both rows.
void ShowTrickTargets(AppContext& app, const Deal& deal);

}  // namespace tallowen
