#pragma once
#include <cstdint>
#include <random>

// The game's one source of random numbers: the 32-bit Mersenne Twister MT19937 with the
// reference seeding (seed 5489) and tempering. It is never seeded otherwise, so every run draws
// the same sequence.
class RandomGenerator {
 public:
  uint32_t NextWord() { return uint32_t(engine_()); }
  // NextWord / 2^32, in [0, 1).
  double NextUniform() { return NextWord() / 4294967296.0; }

 private:
  std::mt19937 engine_;  // default-constructed: seeded with 5489, as the reference generator
};
