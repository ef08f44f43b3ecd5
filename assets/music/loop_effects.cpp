#include "assets/music/loop_effects.h"

#include <algorithm>
#include <cmath>

#include "assets/music/synth_parts.h"

namespace assets {
namespace {

// Long enough for every tail here to fall below -120 dB: after that the state left by the
// warm-up is the state the loop itself leaves at its end.
constexpr float kWarmupSeconds = 8;
constexpr size_t kChunk = 256;

// Calls run(first, count, keep) on consecutive stretches of at most kChunk frames: over its last
// `warmup` frames with keep false, then over the whole loop with keep true.
template <typename Run>
void RunLooped(size_t frames, size_t warmup, Run run) {
  for (size_t i = frames - std::min(frames, warmup); i < frames; i += kChunk)
    run(i, std::min(kChunk, frames - i), false);
  for (size_t i = 0; i < frames; i += kChunk) run(i, std::min(kChunk, frames - i), true);
}

// An even number, so that the reverb's pairs of frames line up the same in both passes.
size_t WarmupFrames(int sampleRate) { return 2 * size_t(kWarmupSeconds / 2 * float(sampleRate)); }

// A feedback comb with a low-pass in its loop, so high frequencies die away first.
class DampedComb {
 public:
  DampedComb(size_t frames, float feedback, float damping)
      : line_(std::max<size_t>(frames, 1)), feedback_(feedback), damping_(damping) {}
  // Adds the comb's response to `n` samples of `in` to `sum`.
  void Add(const float* in, float* sum, size_t n) {
    float* line = line_.data();
    const size_t size = line_.size();
    for (size_t i = 0; i < n; ++i) {
      float out = line[at_];
      memory_ = out + (memory_ - out) * damping_;
      line[at_] = in[i] + memory_ * feedback_;
      if (++at_ == size) at_ = 0;
      sum[i] += out;
    }
  }

 private:
  std::vector<float> line_;
  size_t at_ = 0;
  float memory_ = 0;
  float feedback_, damping_;
};

// Smears each echo of the combs into many, without colouring the sound.
class AllPass {
 public:
  explicit AllPass(size_t frames) : line_(std::max<size_t>(frames, 1)) {}
  void Run(float* io, size_t n) {
    float* line = line_.data();
    const size_t size = line_.size();
    for (size_t i = 0; i < n; ++i) {
      float delayed = line[at_];
      line[at_] = io[i] + 0.5f * delayed;
      if (++at_ == size) at_ = 0;
      io[i] = delayed - io[i];
    }
  }

 private:
  std::vector<float> line_;
  size_t at_ = 0;
};

// One side of the reverb. The delays are the classic Schroeder-Moorer tunings at 44.1 kHz;
// the two sides differ by `spread` frames so that they do not ring alike.
class ReverbSide {
 public:
  ReverbSide(float scale, size_t spread) {
    static constexpr size_t kCombs[] = {1116, 1188, 1277, 1356, 1422};
    static constexpr size_t kAllPasses[] = {556, 441};
    for (size_t frames : kCombs) combs_.emplace_back(size_t(float(frames + spread) * scale), 0.85f, 0.3f);
    for (size_t frames : kAllPasses) allPasses_.emplace_back(size_t(float(frames + spread) * scale));
  }
  // Writes the response to `n` samples of `in` to `out`.
  void Run(const float* in, float* out, size_t n) {
    std::fill(out, out + n, 0.0f);
    for (DampedComb& comb : combs_) comb.Add(in, out, n);
    for (AllPass& allPass : allPasses_) allPass.Run(out, n);
  }

 private:
  std::vector<DampedComb> combs_;
  std::vector<AllPass> allPasses_;
};

}  // namespace

void AddPingPongEcho(const std::vector<float>& send, long delayFrames, float feedback, int sampleRate,
                     std::vector<float>& stereo) {
  const size_t delay = size_t(std::max(1L, delayFrames));
  std::vector<float> leftLine(delay), rightLine(delay);
  float* left = leftLine.data();
  float* right = rightLine.data();
  size_t at = 0;
  float darker = 0;
  const float* in = send.data();
  float* out = stereo.data();
  RunLooped(send.size(), WarmupFrames(sampleRate), [&](size_t first, size_t count, bool keep) {
    for (size_t i = first; i < first + count; ++i) {
      float leftOut = left[at], rightOut = right[at];
      darker += 0.45f * (rightOut - darker);
      left[at] = in[i] + feedback * darker;
      right[at] = feedback * leftOut;
      if (++at == delay) at = 0;
      if (keep) {
        out[2 * i] += leftOut;
        out[2 * i + 1] += rightOut;
      }
    }
  });
}

void AddReverb(const std::vector<float>& send, int sampleRate, std::vector<float>& stereo) {
  // The reverb runs at half the sample rate, a pair of frames at a time: it costs half as
  // much, and its tail is dark anyway, as the combs take off highs on every pass.
  const float scale = float(sampleRate) / 2 / 44100;
  ReverbSide left(scale, 0), right(scale, 23);
  // Scaled so that a steady input comes out of the combs at about its own level.
  const float inputGain = 0.03f;
  const size_t frames = send.size();
  const float* in = send.data();
  float* out = stereo.data();
  float lastLeft = 0, lastRight = 0;
  RunLooped(frames, WarmupFrames(sampleRate), [&](size_t first, size_t count, bool keep) {
    float input[kChunk / 2], l[kChunk / 2], r[kChunk / 2];
    const size_t pairs = (count + 1) / 2;
    for (size_t j = 0; j < pairs; ++j) {
      size_t i = first + 2 * j;
      input[j] = 0.5f * inputGain * (in[i] + in[std::min(i + 1, frames - 1)]);
    }
    left.Run(input, l, pairs);
    right.Run(input, r, pairs);
    for (size_t j = 0; j < pairs && keep; ++j) {
      // Back to the full rate by drawing a straight line between the half-rate samples.
      size_t i = first + 2 * j;
      out[2 * i] += 0.5f * (lastLeft + l[j]);
      out[2 * i + 1] += 0.5f * (lastRight + r[j]);
      if (i + 1 < first + count) {
        out[2 * i + 2] += l[j];
        out[2 * i + 3] += r[j];
      }
      lastLeft = l[j];
      lastRight = r[j];
    }
    if (!keep) {
      lastLeft = l[pairs - 1];
      lastRight = r[pairs - 1];
    }
  });
}

void DuckUnderKicks(std::vector<float>& stereo, const std::vector<long>& kickFrames, float depth,
                    int sampleRate) {
  const size_t frames = stereo.size() / 2;
  if (frames == 0) return;
  // The dip comes in over a few milliseconds (a sudden one would click) and recovers along a
  // curve that flattens out, so it never ends in a corner.
  const long fall = long(0.004f * sampleRate), recover = long(0.19f * sampleRate);
  std::vector<float> gainBuffer(frames, 1.0f);
  float* gain = gainBuffer.data();
  for (long kick : kickFrames) {
    for (long i = 0; i < fall + recover; ++i) {
      float x = i < fall ? float(i) / float(fall) : 1 - float(i - fall) / float(recover);
      float dip = i < fall ? x : x * x;
      size_t at = size_t(((kick + i) % long(frames) + long(frames)) % long(frames));
      gain[at] = std::fmin(gain[at], 1 - depth * dip);
    }
  }
  float* data = stereo.data();
  for (size_t i = 0; i < frames; ++i) {
    data[2 * i] *= gain[i];
    data[2 * i + 1] *= gain[i];
  }
}

void HighPass(std::vector<float>& stereo, float hz, int sampleRate) {
  const float pole = std::exp(-kTwoPi * hz / float(sampleRate));
  float inLeft = 0, inRight = 0, outLeft = 0, outRight = 0;
  float* data = stereo.data();
  RunLooped(stereo.size() / 2, WarmupFrames(sampleRate), [&](size_t first, size_t count, bool keep) {
    for (size_t i = first; i < first + count; ++i) {
      float l = data[2 * i], r = data[2 * i + 1];
      outLeft = l - inLeft + pole * outLeft;
      outRight = r - inRight + pole * outRight;
      inLeft = l;
      inRight = r;
      if (keep) {
        data[2 * i] = outLeft;
        data[2 * i + 1] = outRight;
      }
    }
  });
}

}  // namespace assets
