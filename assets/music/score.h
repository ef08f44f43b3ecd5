#pragma once
#include <cstddef>
#include <vector>

namespace assets {

// Times in a score are counted in sixteenth-note steps from the start of the piece.
struct Note {
  double start = 0;
  double length = 0;
  int pitch = 60;       // MIDI note number, C4 = 60
  float velocity = 1;   // 0..1
  float tone = 0.5f;    // how far the voice's filter opens, 0..1
};

enum class Drum { Kick, Snare, ClosedHat, OpenHat, Crash, HighTom, LowTom };
constexpr size_t kDrumKinds = 7;

struct DrumHit {
  double step = 0;
  Drum drum = Drum::Kick;
  float velocity = 1;
};

// A noise sweep that rises into the section after it.
struct Riser {
  double start = 0;
  double length = 0;
};

// Everything a piece plays, part by part, each part in order of time. The piece loops, so
// whatever sounds past `steps` is heard at the start.
struct Score {
  double beatsPerMinute = 120;
  int steps = 0;
  std::vector<Note> lead, harmony, bass, pad, arp, bell;
  std::vector<DrumHit> drums;
  std::vector<Riser> risers;
};

}  // namespace assets
