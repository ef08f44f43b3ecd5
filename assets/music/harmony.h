#pragma once
#include <array>

namespace assets {

// A major or minor triad; the root is a pitch class, C = 0.
struct Chord {
  int root = 0;
  bool minor = false;
};

// The chord's tones in close position, each placed in [low, low + 12), lowest first. Placing
// every chord in the same octave window moves each voice by a step or two between chords.
std::array<int, 3> CloseVoicing(const Chord& chord, int low);

// The chord's root placed in [low, low + 12).
int RootIn(const Chord& chord, int low);

// The highest chord tone at least a minor third below `melody`, passing over a tritone: a
// second voice that always agrees with the harmony and never rubs against the tune.
int ChordToneBelow(const Chord& chord, int melody);

}  // namespace assets
