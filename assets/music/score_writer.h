#pragma once
#include <string_view>
#include <vector>

#include "assets/music/harmony.h"
#include "assets/music/score.h"

namespace assets {

// Writes a score bar by bar from short text patterns, so that the piece reads like a lead
// sheet. Bars are sixteen steps. Whatever is malformed (a bad token, a melody that does not
// fill whole bars, a part written where there are no chords yet) is left out and makes
// Finish() fail.
class ScoreWriter {
 public:
  explicit ScoreWriter(Score& score) : score_(score) {}
  Score& score() { return score_; }

  // One chord name per bar from `bar` on, such as "Dm Bb F C". Chords are written in order,
  // without gaps; the parts below follow them.
  void Chords(int bar, std::string_view names);

  // A melody in note text (see score_text.h) from `bar` on.
  void Melody(std::vector<Note>& part, int bar, std::string_view notes, float tone);

  // A second voice to the lead in these bars, a chord tone below each of its notes.
  void Harmony(int bar, int bars);

  // The pad holds each bar's chord; a tone that the next chord shares is held over, not struck
  // again. Its filter moves from one tone to the other across the bars.
  void Pad(int bar, int bars, float toneFrom, float toneTo);

  // A bar of bass rhythm, repeated: 'R' plays the chord's root, 'O' the root an octave up,
  // '-' holds the note before, '.' rests.
  void Bass(int bar, int bars, std::string_view rhythm, float tone, float velocity);

  // A bar of arpeggio, repeated: each digit picks a chord tone, counting up from the pad's
  // lowest tone an octave up; '.' rests.
  void Arp(int bar, int bars, std::string_view pattern, float toneFrom, float toneTo, float velocity);

  // A row of hits for one drum, repeated: 'X' accented, 'x' normal, 'o' soft, '.' none.
  void Drums(Drum drum, int bar, int bars, std::string_view row);

  // Snare strokes every `every` steps, growing from one loudness to the other.
  void Roll(int bar, int bars, int every, float from, float to);

  // A riser across these bars, into the bar after them.
  void Riser(int bar, int bars);

  // Sets the score's length to the bars that have chords. False if anything was malformed.
  bool Finish();

 private:
  const Chord* ChordIn(int bar);

  Score& score_;
  std::vector<Chord> chords_;
  bool ok_ = true;
};

}  // namespace assets
