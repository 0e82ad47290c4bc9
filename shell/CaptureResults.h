// What the auction capture and the hand capture do about each result of an attempt that
// failed: one table of every result, its texts and each capture's action.
#pragma once

#include "reading/CaptureResult.h"
#include "shell/AppContext.h"

namespace tallowen {

enum class CaptureFlow { Auction, Hand };

// Tells the user what the failed attempt found, as the table says for that capture. `manual`:
// the user pressed the button (the "nothing new" results are told only then).
void ActOnFailure(AppContext& app, CaptureFlow flow, CaptureResult result, bool manual);

// The result that stands for an unknown game window.
CaptureResult MissingResult(WindowKind kind);

}  // namespace tallowen
