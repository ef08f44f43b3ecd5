#pragma once
#include "assets/music/score.h"

namespace assets {

// The score of "Quillet Remix": D minor, 150 beats a minute, 72 bars. False if the score's
// text is malformed.
bool WriteQuilletScore(Score& score);

}  // namespace assets
