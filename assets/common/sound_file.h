#pragma once
#include <string>
#include <vector>

namespace assets {

// Sound as the asset maker works with it: interleaved float samples, nominally -1..1.
struct Sound {
  int sampleRate = 44100;
  int channels = 2;
  std::vector<float> samples;  // frames * channels
  size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// 16-bit PCM WAV. False when the file cannot be written.
bool WriteWav(const std::string& path, const Sound& sound);
// MP3 through LAME at the given constant bit rate, with the encoder's delay and padding
// recorded in the file's info tag, so a gapless decoder gives back exactly these frames.
bool WriteMp3(const std::string& path, const Sound& sound, int kilobitsPerSecond);

}  // namespace assets
