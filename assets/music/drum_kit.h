#pragma once
#include <cstdint>
#include <vector>

#include "assets/music/score.h"

// The drums are synthesised once each, as one-shot samples, and then placed at every hit:
// a drum machine's way, and far cheaper than synthesising every hit.
namespace assets {

// One hit at full strength, interleaved stereo, ending in silence.
std::vector<float> RenderDrum(Drum drum, int sampleRate);

// Noise through a band-pass filter sweeping upwards, growing louder until it stops dead on
// the next downbeat: the build-up into a new section.
std::vector<float> RenderRiser(long frames, int sampleRate, uint32_t seed);

}  // namespace assets
