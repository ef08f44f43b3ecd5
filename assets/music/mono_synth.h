#pragma once
#include <vector>

#include "assets/music/render_types.h"
#include "assets/music/score.h"
#include "assets/music/synth_parts.h"

namespace assets {

// The sound of a one-note-at-a-time synthesiser: two detuned saws, spread left and right, a
// square wave beside them, through a low-pass filter that opens at every note.
struct MonoPatch {
  float detuneCents = 0;    // the two saws sit this far above and below the note
  float width = 0;          // 0 puts both saws in the middle, 1 one on each side
  float squareLevel = 0;
  int squareOctave = 0;     // relative to the note
  float glideSeconds = 0;   // slide between notes that touch; 0 jumps
  float vibratoCents = 0;   // reached gradually on notes held longer than vibratoDelay
  float vibratoDelay = 0;
  float vibratoHz = 5;
  float cutoffHz = 1000;    // filter at rest, at tone 0.5 and middle C
  float envelopeHz = 0;     // how far each note's onset opens the filter beyond that
  float envelopeDecay = 0.2f;
  float resonance = 0.7f;
  float keyTracking = 0;    // 1 moves the filter with the pitch, 0 keeps it fixed
  Adsr amp{0.005f, 0.3f, 1, 0.1f};
  float level = 1;
};

// Plays a line, given in order of time, as one voice: a note that starts where the one before
// ends takes over its sound without restarting the volume envelope (legato). The voice falls
// silent where the line pauses for longer than its release, so it comes back as one block per
// phrase.
std::vector<AudioBlock> RenderMonoLine(const std::vector<Note>& line, const MonoPatch& patch,
                                       const Timing& timing);

}  // namespace assets
