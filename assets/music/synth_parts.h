#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>

// The building blocks every voice is made of. Each works on a run of samples at a time: the
// whole piece is rendered at every build, unoptimised sanitised builds included, and a loop
// inside one call costs far less there than a call for every sample.
namespace assets {

constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 6.28318531f;

inline float PitchToHz(float midiPitch) { return 440.0f * std::exp2((midiPitch - 69) / 12); }

// White noise from a fixed seed. Our own generator rather than a standard distribution, whose
// output may differ between standard libraries.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  float Next() {  // -1..1
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(int32_t(state_)) * (1.0f / 2147483648.0f);
  }

 private:
  uint32_t state_;
};

// A sawtooth whose jump is rounded off across one sample (PolyBLEP), which keeps harmonics
// above half the sample rate from folding back as inharmonic whistles. Two of them half a
// cycle apart, one subtracted from the other, make a square wave.
class Saw {
 public:
  explicit Saw(float phase = 0) : phase_(phase) {}
  // Adds `n` samples times `level` to `out`; `increment` is the frequency over the sample rate.
  void Add(float* out, size_t n, float increment, float level) {
    float phase = phase_;
    for (size_t i = 0; i < n; ++i) {
      float value = 2 * phase - 1;
      if (phase < increment) {
        float t = phase / increment;
        value -= t + t - t * t - 1;
      } else if (phase > 1 - increment) {
        float t = (phase - 1) / increment;
        value -= t * t + t + t + 1;
      }
      out[i] += level * value;
      phase += increment;
      if (phase >= 1) phase -= 1;
    }
    phase_ = phase;
  }

 private:
  float phase_;
};

// State-variable filter in the trapezoidal form, which stays stable while its cutoff moves.
class Svf {
 public:
  void Set(float hz, float resonance, float sampleRate) {
    float g = std::tan(kPi * std::fmin(hz, 0.45f * sampleRate) / sampleRate);
    k_ = 1 / resonance;
    a1_ = 1 / (1 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
  }
  enum class Output { Low, Band, High };
  // Filters `n` samples in place; the band output is scaled to unity gain at its peak.
  template <Output kOutput>
  void Run(float* io, size_t n) {
    float ic1 = ic1_, ic2 = ic2_;
    for (size_t i = 0; i < n; ++i) {
      float v3 = io[i] - ic2;
      float band = a1_ * ic1 + a2_ * v3;
      float low = ic2 + a2_ * ic1 + a3_ * v3;
      ic1 = 2 * band - ic1;
      ic2 = 2 * low - ic2;
      if constexpr (kOutput == Output::Low) io[i] = low;
      if constexpr (kOutput == Output::Band) io[i] = k_ * band;
      if constexpr (kOutput == Output::High) io[i] = io[i] - k_ * band - low;
    }
    ic1_ = ic1;
    ic2_ = ic2;
  }

 private:
  float k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0, ic1_ = 0, ic2_ = 0;
};

// Seconds, except `decay`, which is the time constant of the fall to the sustain level.
struct Adsr {
  float attack, decay, sustain, release;
};

// Attack rises in a straight line from wherever the level is, so a retrigger never jumps;
// decay falls exponentially towards the sustain level; release falls in a straight line to
// exactly zero, so every note ends in silence rather than in a small step.
class Envelope {
 public:
  Envelope(const Adsr& shape, float sampleRate)
      : attackStep_(1 / std::fmax(1.0f, shape.attack * sampleRate)),
        decayFactor_(std::exp(-1 / std::fmax(1.0f, shape.decay * sampleRate))),
        sustain_(shape.sustain),
        releaseFrames_(std::fmax(1.0f, shape.release * sampleRate)) {}
  void GateOn() { stage_ = Stage::Attack; }
  void GateOff() {
    releaseStep_ = level_ / releaseFrames_;
    stage_ = Stage::Release;
  }
  // Multiplies `n` samples by the envelope as it runs on.
  void Apply(float* io, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      switch (stage_) {
        case Stage::Attack:
          level_ += attackStep_;
          if (level_ >= 1) {
            level_ = 1;
            stage_ = Stage::Decay;
          }
          break;
        case Stage::Decay:
          level_ = sustain_ + (level_ - sustain_) * decayFactor_;
          break;
        case Stage::Release:
          level_ -= releaseStep_;
          if (level_ <= 0) {
            level_ = 0;
            stage_ = Stage::Idle;
          }
          break;
        case Stage::Idle:
          break;
      }
      io[i] *= level_;
    }
  }

 private:
  enum class Stage { Idle, Attack, Decay, Release };
  Stage stage_ = Stage::Idle;
  float level_ = 0;
  float attackStep_, decayFactor_, sustain_, releaseFrames_, releaseStep_ = 0;
};

}  // namespace assets
