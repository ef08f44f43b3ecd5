#include "assets/pelbrix/crash_sound.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace assets {

// An explosion in three layers: a low thump that drops in pitch, a roar of noise whose
// brightness falls away, and a scatter of crackles; all fixed by one seed.
Sound RenderCrashSound(int sampleRate) {
  const float seconds = 1.6f;
  const int frames = int(seconds * sampleRate);
  Sound sound;
  sound.sampleRate = sampleRate;
  sound.channels = 2;
  sound.samples.assign(size_t(frames) * 2, 0.0f);
  std::mt19937 random(1987);
  std::uniform_real_distribution<float> noise(-1, 1);

  const float twoPi = 6.2831853f;
  float thumpPhase = 0;
  float lowLeft = 0, lowRight = 0, bandLeft = 0, bandRight = 0;  // state-variable filters
  float crackle = 0, crackleSign = 1;
  for (int i = 0; i < frames; ++i) {
    float t = float(i) / sampleRate;
    float attack = std::min(1.0f, t / 0.004f);

    // Thump: 90 Hz falling to 35 Hz.
    float thumpFrequency = 35 + 55 * std::exp(-t / 0.12f);
    thumpPhase += twoPi * thumpFrequency / sampleRate;
    float thump = std::sin(thumpPhase) * std::exp(-t / 0.28f) * attack;

    // Roar: noise through a resonant low-pass sweeping from 5 kHz down to 180 Hz.
    float cutoff = 180 + 4800 * std::exp(-t / 0.18f);
    float f = 2 * std::sin(3.1415927f * std::min(cutoff, sampleRate / 6.0f) / sampleRate);
    const float damping = 0.9f;
    float inLeft = noise(random), inRight = noise(random) * 0.7f + inLeft * 0.3f;
    lowLeft += f * bandLeft;
    bandLeft += f * (inLeft - lowLeft - damping * bandLeft);
    lowRight += f * bandRight;
    bandRight += f * (inRight - lowRight - damping * bandRight);
    float roarEnvelope = attack * (0.55f * std::exp(-t / 0.45f) + 0.45f * std::exp(-t / 0.09f));

    // Crackles: short bursts of debris in the first half second, thinning out.
    if (t < 0.6f && noise(random) > 1.0f - 0.004f * std::exp(-t / 0.25f)) {
      crackle = 0.8f * std::exp(-t / 0.3f);
      crackleSign = noise(random) > 0 ? 1.0f : -1.0f;
    }
    crackle *= 0.985f;
    float debris = crackle * noise(random);

    float left = 0.9f * thump + 1.1f * lowLeft * roarEnvelope + crackleSign * debris * 0.5f;
    float right = 0.9f * thump + 1.1f * lowRight * roarEnvelope - crackleSign * debris * 0.4f;
    sound.samples[size_t(i) * 2] = left;
    sound.samples[size_t(i) * 2 + 1] = right;
  }
  // Saturate for punch, fade the last 50 ms to nothing and bring the peak to -1 dB.
  float peakBefore = 0;
  for (float v : sound.samples) peakBefore = std::max(peakBefore, std::fabs(v));
  if (peakBefore > 0)
    for (float& v : sound.samples) v = std::tanh(2.5f * v / peakBefore);
  const int fade = sampleRate / 20;
  for (int i = frames - fade; i < frames; ++i) {
    float g = float(frames - i) / fade;
    sound.samples[size_t(i) * 2] *= g;
    sound.samples[size_t(i) * 2 + 1] *= g;
  }
  float peak = 0;
  for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
  if (peak > 0)
    for (float& s : sound.samples) s *= 0.89f / peak;
  return sound;
}

}  // namespace assets
