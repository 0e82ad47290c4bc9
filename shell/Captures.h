// The two capture flows: the auction once it is over, and the last hand with the score once
// the deal has been played; and the trick watch in between.
#pragma once

#include "shell/AppContext.h"

namespace tallowen {

constexpr int kRightButton = 2;

void cmdBid_Click(AppContext& app);
void cmdBidClick2(AppContext& app, int automatic);
void cmdBid_MouseDown(AppContext& app, int button);
void menuBid_Click(AppContext& app);
void PrepCaptNextBid(AppContext& app);
void ReduceAuctionHeight(AppContext& app);

void cmdHand_Click(AppContext& app);
void cmdHandClick2(AppContext& app, int automatic);
void cmdHand_MouseDown(AppContext& app, int button);
void menuHand_Click(AppContext& app);
void PrepCaptNextHand(AppContext& app);
void CmdTrick(AppContext& app);

}  // namespace tallowen
