#include "assets/music/loop_mix.h"

#include <cmath>
#include <utility>

namespace assets {

LoopMix::LoopMix(size_t frames)
    : frames_(frames), dry_(frames * 2), pumped_(frames * 2), echoSend_(frames), reverbSend_(frames) {}

void LoopMix::Place(const std::vector<float>& stereo, long frame, const Channel& channel, float level) {
  if (frames_ == 0) return;
  // Balance rather than pan: a stereo source keeps its own width and leans to one side.
  const float gain = channel.gain * level;
  const float left = gain * std::fmin(1.0f, 1 - channel.pan), right = gain * std::fmin(1.0f, 1 + channel.pan);
  const float echo = channel.echo * gain * 0.5f, reverb = channel.reverb * gain * 0.5f;
  float* bus = channel.pumped ? pumped_.data() : dry_.data();
  const long loop = long(frames_);
  const size_t start = size_t((frame % loop + loop) % loop);
  const size_t count = stereo.size() / 2;
  const float* in = stereo.data();
  for (size_t i = 0, at = start; i < count; ++i) {
    bus[2 * at] += left * in[2 * i];
    bus[2 * at + 1] += right * in[2 * i + 1];
    if (++at == frames_) at = 0;
  }
  for (auto [send, amount] : {std::pair{echoSend_.data(), echo}, std::pair{reverbSend_.data(), reverb}}) {
    if (amount == 0) continue;
    for (size_t i = 0, at = start; i < count; ++i) {
      send[at] += amount * (in[2 * i] + in[2 * i + 1]);
      if (++at == frames_) at = 0;
    }
  }
}

}  // namespace assets
