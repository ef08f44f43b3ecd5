#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A mono 16-bit WAV of a sine at this frequency and amplitude (0..1), full level from its first
// sample to its last.
void WriteToneWav(const std::string& path, double seconds, double frequency, double amplitude,
                  int sampleRate = 44100);

// A mono 16-bit WAV of noise that strikes at full amplitude and decays to a floor of a third,
// like a hit or an explosion: each play of it starts with a clear jump in level.
void WriteBurstWav(const std::string& path, double seconds, double amplitude, int sampleRate = 44100);

// Interleaved 16-bit stereo samples from a raw file (what SDL's disk audio driver writes).
std::vector<int16_t> ReadRawStereo(const std::string& path);

// Runs of frames whose channels are all exactly zero, between the first and the last sounding
// frame: each as (first frame, length in frames).
std::vector<std::pair<size_t, size_t>> SilentGaps(const std::vector<int16_t>& stereo);

}  // namespace testing_support
