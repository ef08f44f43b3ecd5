#include "assets/music/score_text.h"

namespace assets {
namespace {

// Takes a note letter and an optional sharp or flat from the front of `text`, as semitones
// above the C of its octave: Cb is -1 and B# is 12, as the octave number counts them.
bool TakeNoteName(std::string_view& text, int& semitones) {
  static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (text.empty() || text[0] < 'A' || text[0] > 'G') return false;
  semitones = kLetters[text[0] - 'A'];
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
    semitones += text[0] == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  return true;
}

// A whole, positive decimal number; -1 otherwise.
int ParseCount(std::string_view text) {
  if (text.empty() || text.size() > 4) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value > 0 ? value : -1;
}

}  // namespace

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    size_t space = text.find(' ');
    if (space != 0) words.push_back(text.substr(0, space));
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
  }
  return words;
}

int ParsePitch(std::string_view name) {
  int semitones = 0;
  if (!TakeNoteName(name, semitones) || name.size() != 1 || name[0] < '0' || name[0] > '9') return -1;
  return 12 * (name[0] - '0' + 1) + semitones;
}

bool ParseChord(std::string_view name, Chord& chord) {
  int root = 0;
  if (!TakeNoteName(name, root) || !(name.empty() || name == "m")) return false;
  chord.root = (root + 12) % 12;
  chord.minor = !name.empty();
  return true;
}

int ParseNoteText(std::string_view text, double start, std::vector<Note>& out) {
  std::vector<Note> notes;
  int steps = 0;
  for (std::string_view token : Words(text)) {
    size_t colon = token.find(':');
    if (colon == std::string_view::npos) return -1;
    int length = ParseCount(token.substr(colon + 1));
    std::string_view pitchName = token.substr(0, colon);
    int pitch = pitchName == "." ? 0 : ParsePitch(pitchName);
    if (length < 0 || pitch < 0) return -1;
    if (pitchName != ".") {
      Note note;
      note.start = start + steps;
      note.length = length;
      note.pitch = pitch;
      notes.push_back(note);
    }
    steps += length;
  }
  out.insert(out.end(), notes.begin(), notes.end());
  return steps;
}

}  // namespace assets
