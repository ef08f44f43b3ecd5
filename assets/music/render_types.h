#pragma once
#include <cmath>
#include <vector>

namespace assets {

// How a score's steps map onto sample frames.
struct Timing {
  int sampleRate = 44100;
  double framesPerStep = 0;

  long Frame(double step) const { return std::lround(step * framesPerStep); }
};

// One rendered event, interleaved stereo, that begins at `frame` of the piece.
struct AudioBlock {
  long frame = 0;
  std::vector<float> stereo;
};

}  // namespace assets
