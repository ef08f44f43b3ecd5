#include "assets/music/drum_kit.h"

#include <algorithm>
#include <cmath>

#include "assets/music/synth_parts.h"

namespace assets {
namespace {

// Brings the last `seconds` of a sample down to exactly zero along a smooth curve.
void FadeOut(std::vector<float>& stereo, float seconds, int sampleRate) {
  const long frames = long(stereo.size() / 2);
  const long fade = std::min(frames, long(seconds * float(sampleRate)));
  for (long i = frames - fade; i < frames; ++i) {
    float x = float(frames - 1 - i) / float(fade);
    float gain = x * x * (3 - 2 * x);
    stereo[2 * i] *= gain;
    stereo[2 * i + 1] *= gain;
  }
}

std::vector<float> Interleave(const std::vector<float>& left, const std::vector<float>& right) {
  std::vector<float> stereo(left.size() * 2);
  for (size_t i = 0; i < left.size(); ++i) {
    stereo[2 * i] = left[i];
    stereo[2 * i + 1] = right[i];
  }
  return stereo;
}

std::vector<float> NoiseRun(size_t frames, uint32_t seed) {
  std::vector<float> noise(frames);
  Noise source(seed);
  for (float& sample : noise) sample = source.Next();
  return noise;
}

// A pitched body that drops from `peakHz` towards `restHz` with time constant `drop`, then
// dies away with time constant `decay`, after a click of noise: a kick or a tom.
std::vector<float> Thump(float seconds, float restHz, float peakHz, float drop, float decay, float click,
                         int sampleRate) {
  const float rate = float(sampleRate);
  std::vector<float> mono = NoiseRun(size_t(seconds * rate), 7);
  float phase = 0;
  for (size_t i = 0; i < mono.size(); ++i) {
    float t = float(i) / rate;
    phase += kTwoPi * (restHz + (peakHz - restHz) * std::exp(-t / drop)) / rate;
    float body = std::sin(phase) * std::exp(-t / decay) * std::fmin(1.0f, t / 0.001f);
    // A little saturation rounds the body off and makes it punchier.
    mono[i] = std::tanh(1.6f * body) / std::tanh(1.6f) + click * mono[i] * std::exp(-t / 0.002f);
  }
  std::vector<float> stereo = Interleave(mono, mono);
  FadeOut(stereo, 0.03f, sampleRate);
  return stereo;
}

std::vector<float> Snare(int sampleRate) {
  const float rate = float(sampleRate);
  const size_t frames = size_t(0.32f * rate);
  // Mostly shared noise with some of each side's own, so the rattle is wide but centred.
  std::vector<float> shared = NoiseRun(frames, 11), left = NoiseRun(frames, 12), right = NoiseRun(frames, 13);
  for (size_t i = 0; i < frames; ++i) {
    left[i] = 0.7f * shared[i] + 0.3f * left[i];
    right[i] = 0.7f * shared[i] + 0.3f * right[i];
  }
  Svf filterLeft, filterRight;
  filterLeft.Set(3200, 0.55f, rate);
  filterRight.Set(3400, 0.55f, rate);
  filterLeft.Run<Svf::Output::Band>(left.data(), frames);
  filterRight.Run<Svf::Output::Band>(right.data(), frames);
  float phase = 0;
  for (size_t i = 0; i < frames; ++i) {
    float t = float(i) / rate;
    phase += kTwoPi * (178 + 40 * std::exp(-t / 0.01f)) / rate;
    float attack = std::fmin(1.0f, t / 0.0005f);
    float body = 0.55f * std::sin(phase) * std::exp(-t / 0.05f);
    float rattle = 0.7f * std::exp(-t / 0.11f);
    left[i] = attack * (body + rattle * left[i]);
    right[i] = attack * (body + rattle * right[i]);
  }
  std::vector<float> stereo = Interleave(left, right);
  FadeOut(stereo, 0.04f, sampleRate);
  return stereo;
}

// Cymbals: six square waves at unrelated pitches make the metal, noise the hiss; a high-pass
// keeps only the sizzle.
std::vector<float> Cymbal(float seconds, float decay, float highPassHz, uint32_t seed, int sampleRate) {
  static constexpr float kMetal[] = {1617, 2147, 2683, 3050, 3942, 5411};
  const float rate = float(sampleRate);
  const size_t frames = size_t(seconds * rate);
  std::vector<float> metal(frames, 0.0f);
  for (float hz : kMetal) {
    Saw(0.0f).Add(metal.data(), frames, hz / rate, 0.12f);
    Saw(0.5f).Add(metal.data(), frames, hz / rate, -0.12f);
  }
  std::vector<float> left = NoiseRun(frames, seed), right = NoiseRun(frames, seed + 1);
  for (size_t i = 0; i < frames; ++i) {
    float envelope = std::exp(-float(i) / rate / decay) * std::fmin(1.0f, float(i) / rate / 0.0007f);
    left[i] = envelope * (left[i] + metal[i]);
    right[i] = envelope * (right[i] + metal[i]);
  }
  Svf filterLeft, filterRight;
  filterLeft.Set(highPassHz, 0.8f, rate);
  filterRight.Set(highPassHz * 1.07f, 0.8f, rate);
  filterLeft.Run<Svf::Output::High>(left.data(), frames);
  filterRight.Run<Svf::Output::High>(right.data(), frames);
  std::vector<float> stereo = Interleave(left, right);
  FadeOut(stereo, seconds / 3, sampleRate);
  return stereo;
}

}  // namespace

std::vector<float> RenderDrum(Drum drum, int sampleRate) {
  switch (drum) {
    case Drum::Kick:
      return Thump(0.4f, 47, 190, 0.03f, 0.2f, 0.25f, sampleRate);
    case Drum::Snare:
      return Snare(sampleRate);
    case Drum::ClosedHat:
      return Cymbal(0.09f, 0.022f, 7500, 21, sampleRate);
    case Drum::OpenHat:
      return Cymbal(0.5f, 0.16f, 7000, 31, sampleRate);
    case Drum::Crash:
      return Cymbal(3, 0.7f, 3800, 41, sampleRate);
    case Drum::HighTom:
      return Thump(0.45f, 180, 260, 0.05f, 0.16f, 0.1f, sampleRate);
    case Drum::LowTom:
      return Thump(0.5f, 120, 175, 0.05f, 0.2f, 0.1f, sampleRate);
  }
  return {};
}

std::vector<float> RenderRiser(long frames, int sampleRate, uint32_t seed) {
  const float rate = float(sampleRate), resonance = 2;
  const size_t count = size_t(std::max(0L, frames)), chunk = 16;
  std::vector<float> left = NoiseRun(count, seed), right = NoiseRun(count, seed + 1);
  Svf filterLeft, filterRight;
  for (size_t i = 0; i < count; i += chunk) {
    const size_t run = std::min(chunk, count - i);
    float x = float(i) / float(count);
    float hz = 300 * std::pow(30.0f, x);
    filterLeft.Set(hz, resonance, rate);
    filterRight.Set(hz * 1.1f, resonance, rate);
    filterLeft.Run<Svf::Output::Band>(left.data() + i, run);
    filterRight.Run<Svf::Output::Band>(right.data() + i, run);
    for (size_t k = i; k < i + run; ++k) {
      float grow = float(k) / float(count);
      left[k] *= grow * grow;
      right[k] *= grow * grow;
    }
  }
  std::vector<float> stereo = Interleave(left, right);
  FadeOut(stereo, 0.01f, sampleRate);
  return stereo;
}

}  // namespace assets
