// Reading the score window: both sides' running scores and vulnerability.
#pragma once

#include <cstdint>

#include "common/Notation.h"

namespace tallowen {

struct ReadingContext;

enum ScoreError : std::int32_t {
    kScoreRead = 0,
    kScoreUnreadable = 3,     // the window could not be read in its attempts
    kScoreBadVulnerable = 5,  // text where the vulnerability word belongs, but not the word
    kScoreBadNumber = 6,      // a score that is unreadable or not a number
};

// scores[0] is the left column of the window, scores[1] the right.
void CaptScore(ReadingContext& ctx, ScorePair& scores, std::int32_t& error);

}  // namespace tallowen
