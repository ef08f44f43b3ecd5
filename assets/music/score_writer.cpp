#include "assets/music/score_writer.h"

#include <cmath>

#include "assets/music/score_text.h"

namespace assets {
namespace {

constexpr int kStepsPerBar = 16;
constexpr int kPadLow = 57;   // the pad's close voicings sit between A3 and G#4
constexpr int kBassLow = 33;  // the bass's roots between A1 and G#2

float Blend(float from, float to, double fraction) { return from + (to - from) * float(fraction); }

}  // namespace

const Chord* ScoreWriter::ChordIn(int bar) {
  if (bar < 0 || size_t(bar) >= chords_.size()) {
    ok_ = false;
    return nullptr;
  }
  return &chords_[size_t(bar)];
}

void ScoreWriter::Chords(int bar, std::string_view names) {
  if (size_t(bar) != chords_.size()) {
    ok_ = false;
    return;
  }
  for (std::string_view name : Words(names)) {
    Chord chord;
    ok_ = ParseChord(name, chord) && ok_;
    chords_.push_back(chord);
  }
}

void ScoreWriter::Melody(std::vector<Note>& part, int bar, std::string_view notes, float tone) {
  size_t first = part.size();
  int steps = ParseNoteText(notes, bar * kStepsPerBar, part);
  if (steps <= 0 || steps % kStepsPerBar != 0) ok_ = false;
  for (size_t i = first; i < part.size(); ++i) part[i].tone = tone;
}

void ScoreWriter::Harmony(int bar, int bars) {
  for (const Note& note : score_.lead) {
    int noteBar = int(std::floor(note.start / kStepsPerBar));
    if (noteBar < bar || noteBar >= bar + bars) continue;
    const Chord* chord = ChordIn(noteBar);
    if (!chord) return;
    Note second = note;
    second.pitch = ChordToneBelow(*chord, note.pitch);
    score_.harmony.push_back(second);
  }
}

void ScoreWriter::Pad(int bar, int bars, float toneFrom, float toneTo) {
  std::vector<size_t> sounding;  // the previous bar's notes in score_.pad
  for (int b = bar; b < bar + bars; ++b) {
    const Chord* chord = ChordIn(b);
    if (!chord) return;
    std::vector<size_t> next;
    for (int pitch : CloseVoicing(*chord, kPadLow)) {
      size_t held = score_.pad.size();
      for (size_t index : sounding)
        if (score_.pad[index].pitch == pitch) held = index;
      if (held < score_.pad.size()) {
        score_.pad[held].length += kStepsPerBar;
      } else {
        Note note;
        note.start = b * kStepsPerBar;
        note.length = kStepsPerBar;
        note.pitch = pitch;
        note.tone = Blend(toneFrom, toneTo, double(b - bar) / bars);
        score_.pad.push_back(note);
      }
      next.push_back(held);
    }
    sounding = next;
  }
}

void ScoreWriter::Bass(int bar, int bars, std::string_view rhythm, float tone, float velocity) {
  // Each note lets go a little before the next step, so that the next one is struck anew.
  const double release = 0.3;
  if (rhythm.empty()) ok_ = false;
  bool holding = false;  // whether '-' has a note to hold
  for (int step = 0; step < bars * kStepsPerBar && !rhythm.empty(); ++step) {
    const Chord* chord = ChordIn(bar + step / kStepsPerBar);
    if (!chord) return;
    char symbol = rhythm[size_t(step) % rhythm.size()];
    if (symbol == '-' && holding) {
      score_.bass.back().length += 1;
    } else if (symbol == 'R' || symbol == 'O') {
      Note note;
      note.start = bar * kStepsPerBar + step;
      note.length = 1 - release;
      note.pitch = RootIn(*chord, kBassLow) + (symbol == 'O' ? 12 : 0);
      note.tone = tone;
      note.velocity = velocity;
      score_.bass.push_back(note);
      holding = true;
    } else if (symbol == '.') {
      holding = false;
    } else {
      ok_ = false;
    }
  }
}

void ScoreWriter::Arp(int bar, int bars, std::string_view pattern, float toneFrom, float toneTo,
                      float velocity) {
  if (pattern.empty()) ok_ = false;
  for (int step = 0; step < bars * kStepsPerBar && !pattern.empty(); ++step) {
    const Chord* chord = ChordIn(bar + step / kStepsPerBar);
    if (!chord) return;
    char symbol = pattern[size_t(step) % pattern.size()];
    if (symbol == '.') continue;
    if (symbol < '0' || symbol > '9') {
      ok_ = false;
      continue;
    }
    int index = symbol - '0';
    Note note;
    note.start = bar * kStepsPerBar + step;
    note.length = 0.8;
    note.pitch = CloseVoicing(*chord, kPadLow)[size_t(index % 3)] + 12 * (index / 3 + 1);
    note.velocity = velocity;
    note.tone = Blend(toneFrom, toneTo, double(step) / (bars * kStepsPerBar));
    score_.arp.push_back(note);
  }
}

void ScoreWriter::Drums(Drum drum, int bar, int bars, std::string_view row) {
  if (row.empty()) ok_ = false;
  for (int step = 0; step < bars * kStepsPerBar && !row.empty(); ++step) {
    char symbol = row[size_t(step) % row.size()];
    float velocity = symbol == 'X' ? 1.0f : symbol == 'x' ? 0.75f : symbol == 'o' ? 0.45f : 0.0f;
    if (velocity > 0) {
      score_.drums.push_back({double(bar * kStepsPerBar + step), drum, velocity});
    } else if (symbol != '.') {
      ok_ = false;
    }
  }
}

void ScoreWriter::Roll(int bar, int bars, int every, float from, float to) {
  if (every <= 0) {
    ok_ = false;
    return;
  }
  const int steps = bars * kStepsPerBar;
  for (int step = 0; step < steps; step += every)
    score_.drums.push_back({double(bar * kStepsPerBar + step), Drum::Snare, Blend(from, to, double(step) / steps)});
}

void ScoreWriter::Riser(int bar, int bars) {
  score_.risers.push_back({double(bar * kStepsPerBar), double(bars * kStepsPerBar)});
}

bool ScoreWriter::Finish() {
  score_.steps = int(chords_.size()) * kStepsPerBar;
  return ok_;
}

}  // namespace assets
