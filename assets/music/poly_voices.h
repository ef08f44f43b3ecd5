#pragma once
#include <vector>

#include "assets/music/render_types.h"
#include "assets/music/score.h"

// Voices that play each note on its own, so chords and overlapping notes simply add up.
namespace assets {

// The pad part of a piece that loops every `loopFrames` frames, as one interleaved stereo
// loop: soft, slowly swelling chord tones, each a saw on either side, detuned against each
// other. Notes that run past the end sound on at the start.
std::vector<float> RenderPadLoop(const std::vector<Note>& notes, const Timing& timing, size_t loopFrames);

// A short, bright pluck for arpeggios: a square wave whose filter snaps shut.
AudioBlock RenderPluckNote(const Note& note, const Timing& timing);

// A glassy bell (two-operator FM) that rings on after its note.
AudioBlock RenderBellNote(const Note& note, const Timing& timing);

}  // namespace assets
