#pragma once
#include <cstdint>

// The pseudo-random numbers of the game: the sequence of the Windows C library's rand(),
// 0..32767, from a seed the program takes from the time of day.
class RandomSequence {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return int((state_ >> 16) & 0x7FFF);
  }

 private:
  uint32_t state_ = 1;
};
