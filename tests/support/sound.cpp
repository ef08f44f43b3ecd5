#include "tests/support/sound.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace testing_support {

namespace {

template <typename Sample>
void WriteMonoWav(const std::string& path, double seconds, int sampleRate, Sample sample) {
  auto frames = uint32_t(seconds * sampleRate);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  auto put16 = [f](uint16_t v) { std::fputc(v & 255, f); std::fputc(v >> 8, f); };
  auto put32 = [&](uint32_t v) { put16(uint16_t(v)); put16(uint16_t(v >> 16)); };
  std::fwrite("RIFF", 1, 4, f);
  put32(36 + frames * 2);
  std::fwrite("WAVEfmt ", 1, 8, f);
  put32(16);
  put16(1);
  put16(1);
  put32(uint32_t(sampleRate));
  put32(uint32_t(sampleRate * 2));
  put16(2);
  put16(16);
  std::fwrite("data", 1, 4, f);
  put32(frames * 2);
  for (uint32_t i = 0; i < frames; ++i) put16(uint16_t(int16_t(std::lround(sample(i) * 32767))));
  std::fclose(f);
}

}  // namespace

void WriteToneWav(const std::string& path, double seconds, double frequency, double amplitude,
                  int sampleRate) {
  // A cosine starts at its peak: the sound is there from the very first sample.
  WriteMonoWav(path, seconds, sampleRate, [&](uint32_t i) {
    return amplitude * std::cos(2 * M_PI * frequency * i / sampleRate);
  });
}

void WriteBurstWav(const std::string& path, double seconds, double amplitude, int sampleRate) {
  uint32_t state = 12345;
  WriteMonoWav(path, seconds, sampleRate, [&](uint32_t i) {
    state = state * 1664525u + 1013904223u;
    double noise = (state >> 8) / double(1 << 24) * 2 - 1;
    double t = double(i) / sampleRate;
    return amplitude * noise * (1.0 / 3 + 2.0 / 3 * std::exp(-t / 0.02));
  });
}

std::vector<int16_t> ReadRawStereo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
  return samples;
}

std::vector<std::pair<size_t, size_t>> SilentGaps(const std::vector<int16_t>& stereo) {
  size_t frames = stereo.size() / 2;
  auto silent = [&](size_t f) { return stereo[2 * f] == 0 && stereo[2 * f + 1] == 0; };
  size_t first = 0, last = frames;
  while (first < frames && silent(first)) ++first;
  while (last > first && silent(last - 1)) --last;
  std::vector<std::pair<size_t, size_t>> gaps;
  for (size_t f = first; f < last;) {
    if (!silent(f)) {
      ++f;
      continue;
    }
    size_t start = f;
    while (f < last && silent(f)) ++f;
    gaps.emplace_back(start, f - start);
  }
  return gaps;
}

}  // namespace testing_support
