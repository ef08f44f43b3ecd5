#pragma once
#include <string_view>
#include <vector>

#include "assets/music/harmony.h"
#include "assets/music/score.h"

// The text the score is written in.
namespace assets {

// MIDI number of a pitch name such as "C#5" or "Bb3" (C4 = 60); -1 when it is not one.
int ParsePitch(std::string_view name);

// A chord name: a root such as "D" or "Bb", then "m" for minor. False when it is not one.
bool ParseChord(std::string_view name, Chord& chord);

// A line of notes, one token each: a pitch and its length in sixteenths, such as "A4:2" or
// "C#5:1", or a rest, ".:4". Appends the notes to `out` from step `start` and returns the
// number of steps the line covers; -1, with `out` unchanged, when a token is malformed.
int ParseNoteText(std::string_view text, double start, std::vector<Note>& out);

// Splits text at spaces, skipping empty pieces.
std::vector<std::string_view> Words(std::string_view text);

}  // namespace assets
