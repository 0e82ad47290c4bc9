// Reading the score window: both sides' running scores and vulnerability.
#pragma once

#include "common/Notation.h"
#include "reading/CaptureResult.h"

namespace tallowen {

struct ReadingContext;

// scores[0] is the left column of the window, scores[1] the right. A side that could not be
// read keeps -1 for its score or its vulnerability.
struct ScoreReading {
    CaptureResult result = CaptureResult::Read;
    ScorePair scores;
};

// The score window is minimised afterwards unless leaveShown: the user keeps it up.
ScoreReading CaptScore(ReadingContext& ctx, bool leaveShown = false);

}  // namespace tallowen
