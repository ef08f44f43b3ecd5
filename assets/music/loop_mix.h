#pragma once
#include <cstddef>
#include <vector>

namespace assets {

// How one part enters the mix.
struct Channel {
  float gain = 1;
  float pan = 0;           // -1 left .. 1 right
  float echo = 0;          // send levels into the shared effects
  float reverb = 0;
  bool pumped = false;     // ducks under the kick drum
};

// The buses of a mix exactly one pass of a looping piece long. Sound placed so that it runs
// past the end carries on from the start, as it will be heard when the piece repeats.
class LoopMix {
 public:
  explicit LoopMix(size_t frames);
  size_t frames() const { return frames_; }

  // Adds interleaved stereo samples that begin at `frame` (any frame: it is wrapped).
  void Place(const std::vector<float>& stereo, long frame, const Channel& channel, float level = 1);

  std::vector<float>& dry() { return dry_; }          // interleaved stereo
  std::vector<float>& pumped() { return pumped_; }    // interleaved stereo, to be ducked
  const std::vector<float>& echoSend() const { return echoSend_; }    // mono
  const std::vector<float>& reverbSend() const { return reverbSend_; }  // mono

 private:
  size_t frames_;
  std::vector<float> dry_, pumped_, echoSend_, reverbSend_;
};

}  // namespace assets
