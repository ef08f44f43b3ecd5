#include "assets/music/harmony.h"

#include <algorithm>

namespace assets {
namespace {

int PlaceIn(int pitchClass, int low) { return low + ((pitchClass - low) % 12 + 12) % 12; }

std::array<int, 3> PitchClasses(const Chord& chord) {
  return {chord.root, (chord.root + (chord.minor ? 3 : 4)) % 12, (chord.root + 7) % 12};
}

}  // namespace

std::array<int, 3> CloseVoicing(const Chord& chord, int low) {
  std::array<int, 3> tones = PitchClasses(chord);
  for (int& tone : tones) tone = PlaceIn(tone, low);
  std::sort(tones.begin(), tones.end());
  return tones;
}

int RootIn(const Chord& chord, int low) { return PlaceIn(chord.root, low); }

int ChordToneBelow(const Chord& chord, int melody) {
  // Ends within the octave below: no gap between a triad's tones is wider than a fourth.
  for (int pitch = melody - 3;; --pitch) {
    if (melody - pitch == 6) continue;
    for (int tone : PitchClasses(chord))
      if ((pitch - tone) % 12 == 0) return pitch;
  }
}

}  // namespace assets
