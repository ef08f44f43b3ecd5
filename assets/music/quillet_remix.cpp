#include "assets/music/quillet_remix.h"

#include <cmath>

namespace assets {

// Placeholder until the real piece lands: a quiet two-second chord.
Sound RenderQuilletRemix(int sampleRate) {
  Sound sound;
  sound.sampleRate = sampleRate;
  sound.channels = 2;
  const int frames = sampleRate * 2;
  sound.samples.resize(size_t(frames) * 2);
  for (int i = 0; i < frames; ++i) {
    float t = float(i) / sampleRate;
    float v = 0.1f * (std::sin(6.2831853f * 220 * t) + std::sin(6.2831853f * 277.2f * t));
    sound.samples[size_t(i) * 2] = sound.samples[size_t(i) * 2 + 1] = v;
  }
  return sound;
}

}  // namespace assets
