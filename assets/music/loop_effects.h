#pragma once
#include <vector>

// Effects for a piece that loops. Each one runs as though the piece had already been playing
// for a while: the end of the loop goes through it first, so the echoes and reverb that
// cross the loop point are already sounding when the start is processed, and the last sample
// flows into the first.
namespace assets {

// A ping-pong echo of a mono send, each repeat a little darker, added to `stereo`.
void AddPingPongEcho(const std::vector<float>& send, long delayFrames, float feedback, int sampleRate,
                     std::vector<float>& stereo);

// A small hall (parallel combs into all-passes, tuned apart left and right for width) of a
// mono send, added to `stereo`.
void AddReverb(const std::vector<float>& send, int sampleRate, std::vector<float>& stereo);

// Dips `stereo` at each kick and lets it swell back: the pumping that makes room for the kick
// and drives the beat along.
void DuckUnderKicks(std::vector<float>& stereo, const std::vector<long>& kickFrames, float depth,
                    int sampleRate);

// Takes out DC and sub-audio rumble.
void HighPass(std::vector<float>& stereo, float hz, int sampleRate);

}  // namespace assets
