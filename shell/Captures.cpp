// Placeholder bodies until this part of the watcher is written.
#include "shell/Captures.h"

namespace tallowen {
void cmdBid_Click(AppContext& /*app*/) {}
void cmdBidClick2(AppContext& /*app*/, int /*automatic*/) {}
void cmdBid_MouseDown(AppContext& /*app*/, int /*button*/) {}
void menuBid_Click(AppContext& /*app*/) {}
void PrepCaptNextBid(AppContext& /*app*/) {}
void ReduceAuctionHeight(AppContext& /*app*/) {}
void cmdHand_Click(AppContext& /*app*/) {}
void cmdHandClick2(AppContext& /*app*/, int /*automatic*/) {}
void cmdHand_MouseDown(AppContext& /*app*/, int /*button*/) {}
void menuHand_Click(AppContext& /*app*/) {}
void PrepCaptNextHand(AppContext& /*app*/) {}
void CmdTrick(AppContext& /*app*/) {}

}  // namespace tallowen
