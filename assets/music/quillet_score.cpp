#include "assets/music/quillet_score.h"

#include "assets/music/score_writer.h"

namespace assets {
namespace {

// The theme, over Dm Bb F C: a rising figure that falls back twice, ending on a pickup.
constexpr const char* kThemeOpening =
    "A4:2 D5:2 F5:3 E5:1 D5:2 A5:4 G5:2   F5:3 D5:3 Bb4:2 C5:2 D5:2 F5:2 G5:2 "
    "A5:6 G5:2 F5:2 E5:2 F5:2 C5:2        E5:3 D5:3 C5:2 G4:4 .:2 G4:1 A4:1";
// Its answer, over Dm Bb Gm A, the same figure a fifth up, turning back on the dominant.
constexpr const char* kThemeAnswer =
    "D5:2 F5:2 A5:3 G5:1 A5:2 D6:4 C6:2   Bb5:3 A5:3 G5:2 F5:2 D5:2 F5:2 G5:2 "
    "G5:3 Bb5:3 D6:2 C6:2 Bb5:2 A5:2 G5:2 C#6:4 A5:2 E5:2 G5:2 F5:2 E5:2 C#5:2";
// The answer taken an octave higher, held on A and leading up into D.
constexpr const char* kThemeLift =
    "D6:4 C6:2 A5:2 C6:2 D6:2 F6:2 E6:2   D6:6 Bb5:2 F5:2 G5:2 Bb5:2 D6:2 "
    "C6:3 Bb5:3 A5:2 G5:2 Bb5:2 A5:2 G5:2 A5:10 .:2 A5:2 C#6:2";

// The second theme, over Bb C Am Dm Gm C: long notes falling from the top, against the
// first theme's busy climb.
constexpr const char* kSoar =
    "D6:6 C6:2 Bb5:4 F5:4   E6:6 D6:2 C6:4 G5:4   E6:3 D6:3 C6:2 A5:4 C6:2 D6:2 "
    "F6:4 E6:2 D6:2 A5:6 .:2 Bb5:6 A5:2 G5:4 D6:4 C6:6 D6:2 E6:4 G5:4";
// Two ways for it to end over F A: back down, or up to the top of the piece.
constexpr const char* kSoarSettle = "A5:3 C6:3 F6:2 E6:2 C6:2 A5:2 C6:2   C#6:6 B5:2 A5:4 E5:4";
constexpr const char* kSoarPeak = "A5:3 C6:3 F6:3 G6:3 A6:4   G6:4 E6:4 C#6:4 A5:4";

// The bell's call, over Dm Dm Bb Bb and Gm Gm A A: the theme's first notes, slowed down.
constexpr const char* kCallRise = "A4:4 D5:4 F5:8   E5:8 D5:8   D5:4 F5:4 Bb5:8   F5:16";
constexpr const char* kCallTurn = "G5:4 Bb5:4 D6:8  C6:8 Bb5:8  A5:16  C#6:8 E6:8";

// The breakdown's bell song, over Bb F Gm Dm Bb F Gm A.
constexpr const char* kBreakdownSong =
    "D5:6 F5:2 Bb5:8   A5:6 G5:2 F5:4 C5:4   D5:6 G5:2 Bb5:4 A5:4   A5:12 F5:4 "
    "D5:6 F5:2 Bb5:4 D6:4   C6:6 A5:2 F5:4 A5:4   Bb5:6 A5:2 G5:4 D5:4   E5:8 C#5:8";

// The lead's farewell, over Dm Bb F C, before the bell's call returns.
constexpr const char* kFarewell =
    "A5:2 D6:2 C6:2 A5:2 G5:3 F5:3 D5:2   F5:3 D5:3 Bb4:2 D5:4 F5:4 "
    "A5:6 G5:2 F5:2 E5:2 F5:2 A5:2        G5:12 .:4";

constexpr const char* kFirstChords = "Dm Bb F C Dm Bb Gm A";
constexpr const char* kSecondChords = "Bb C Am Dm Gm C F A";

constexpr const char* kFourOnTheFloor = "X...X...X...X...";
constexpr const char* kBackbeat = "....X.......X...";
constexpr const char* kOffbeatBass = "..R-..R-..R-..O-";
constexpr const char* kRollingBass = ".RRR.RRR.RRR.ROR";
constexpr const char* kRisingArp = "0123012301230123";
constexpr const char* kLightArp = "0.2.1.3.0.2.1.3.";
constexpr const char* kRunningArp = "0213243102132431";

// The backbeat for `bars` bars, the last of which ends in a fill: a snare run, or a turn
// around the toms.
void Backbeat(ScoreWriter& w, int bar, int bars, bool toms) {
  w.Drums(Drum::Snare, bar, bars - 1, kBackbeat);
  if (toms) {
    w.Drums(Drum::Snare, bar + bars - 1, 1, "....X......xX...");
    w.Drums(Drum::HighTom, bar + bars - 1, 1, "............X.X.");
    w.Drums(Drum::LowTom, bar + bars - 1, 1, ".............X.X");
  } else {
    w.Drums(Drum::Snare, bar + bars - 1, 1, "....X.....x.XxXX");
  }
}

void Crash(ScoreWriter& w, int bar) { w.Drums(Drum::Crash, bar, 1, "X..............."); }

// The texture the piece begins with and returns to at its end: bell, pad and rising
// arpeggio over kick and hats, with a fill and riser into the bar after.
void BellCallEnding(ScoreWriter& w, int bar) {
  w.Melody(w.score().bell, bar, kCallTurn, 0.5f);
  w.Bass(bar, 4, "..R-..R-..R-..R-", 0.4f, 0.9f);
  w.Drums(Drum::Kick, bar, 4, kFourOnTheFloor);
  w.Drums(Drum::ClosedHat, bar, 4, "o.x.o.x.o.x.o.x.");
  w.Drums(Drum::Snare, bar + 3, 1, "............xxXX");
  w.Riser(bar + 3, 1);
}

void Intro(ScoreWriter& w, int bar) {
  w.Chords(bar, "Dm Dm Bb Bb Gm Gm A A");
  w.Pad(bar, 8, 0.15f, 0.5f);
  w.Arp(bar, 8, kRisingArp, 0.05f, 0.6f, 0.8f);
  w.Melody(w.score().bell, bar, kCallRise, 0.4f);
  w.Bass(bar, 4, "R---------------", 0.2f, 0.6f);
  // The crash marks the restart after the outro's fill.
  Crash(w, bar);
  w.Drums(Drum::Kick, bar, 4, "X.......X.......");
  w.Drums(Drum::ClosedHat, bar, 4, "..o...o...o...o.");
  BellCallEnding(w, bar + 4);
}

void FirstTheme(ScoreWriter& w, int bar) {
  w.Chords(bar, kFirstChords);
  w.Chords(bar + 8, kFirstChords);
  w.Pad(bar, 16, 0.45f, 0.45f);
  w.Arp(bar, 16, kLightArp, 0.4f, 0.5f, 0.6f);
  std::vector<Note>& lead = w.score().lead;
  w.Melody(lead, bar, kThemeOpening, 0.5f);
  w.Melody(lead, bar + 4, kThemeAnswer, 0.5f);
  w.Melody(lead, bar + 8, kThemeOpening, 0.55f);
  w.Melody(lead, bar + 12, kThemeLift, 0.6f);
  w.Bass(bar, 16, kOffbeatBass, 0.5f, 1);
  Crash(w, bar);
  Crash(w, bar + 8);
  w.Drums(Drum::Kick, bar, 16, kFourOnTheFloor);
  w.Drums(Drum::ClosedHat, bar, 16, "o.x.o.x.o.x.o.xo");
  Backbeat(w, bar, 8, false);
  Backbeat(w, bar + 8, 8, true);
  w.Riser(bar + 15, 1);
}

void SecondTheme(ScoreWriter& w, int bar) {
  w.Chords(bar, kSecondChords);
  w.Chords(bar + 8, kSecondChords);
  w.Pad(bar, 16, 0.6f, 0.6f);
  w.Arp(bar, 16, kRunningArp, 0.5f, 0.6f, 0.7f);
  std::vector<Note>& lead = w.score().lead;
  w.Melody(lead, bar, kSoar, 0.6f);
  w.Melody(lead, bar + 6, kSoarSettle, 0.6f);
  w.Melody(lead, bar + 8, kSoar, 0.65f);
  w.Melody(lead, bar + 14, kSoarPeak, 0.7f);
  w.Harmony(bar + 8, 8);
  w.Bass(bar, 16, kRollingBass, 0.55f, 0.9f);
  Crash(w, bar);
  Crash(w, bar + 8);
  w.Drums(Drum::Kick, bar, 16, kFourOnTheFloor);
  w.Drums(Drum::OpenHat, bar, 16, "..x...x...x...x.");
  w.Drums(Drum::ClosedHat, bar, 16, ".o.o.o.o.o.o.o.o");
  Backbeat(w, bar, 8, false);
  Backbeat(w, bar + 8, 8, true);
}

// The drums fall away and the bell sings over pad and bass; a snare roll and a riser build
// the way back in.
void Breakdown(ScoreWriter& w, int bar) {
  w.Chords(bar, "Bb F Gm Dm Bb F Gm A");
  w.Pad(bar, 8, 0.3f, 0.55f);
  w.Arp(bar, 8, "0.1.2.1.3.2.1.2.", 0.3f, 0.7f, 0.6f);
  w.Melody(w.score().bell, bar, kBreakdownSong, 0.5f);
  w.Bass(bar, 6, "R---------------", 0.15f, 0.5f);
  w.Bass(bar + 6, 1, "R-------R-------", 0.25f, 0.6f);
  w.Bass(bar + 7, 1, "R-R-R-R-R-R-R-R-", 0.4f, 0.8f);
  Crash(w, bar);
  w.Drums(Drum::Kick, bar, 1, "X...............");
  w.Roll(bar + 6, 1, 2, 0.25f, 0.55f);
  w.Roll(bar + 7, 1, 1, 0.55f, 1.0f);
  w.Drums(Drum::Kick, bar + 7, 1, kFourOnTheFloor);
  w.Riser(bar + 6, 2);
}

// Both themes at full strength, the lead doubled by its second voice throughout.
void Climax(ScoreWriter& w, int bar) {
  w.Chords(bar, kFirstChords);
  w.Chords(bar + 8, kSecondChords);
  w.Pad(bar, 16, 0.75f, 0.75f);
  w.Arp(bar, 16, kRunningArp, 0.7f, 0.8f, 0.6f);
  std::vector<Note>& lead = w.score().lead;
  w.Melody(lead, bar, kThemeOpening, 0.75f);
  w.Melody(lead, bar + 4, kThemeLift, 0.75f);
  w.Melody(lead, bar + 8, kSoar, 0.8f);
  w.Melody(lead, bar + 14, kSoarPeak, 0.8f);
  w.Harmony(bar, 16);
  w.Bass(bar, 16, kRollingBass, 0.7f, 0.95f);
  for (int b = bar; b < bar + 16; b += 4) Crash(w, b);
  w.Drums(Drum::Kick, bar, 16, kFourOnTheFloor);
  w.Drums(Drum::OpenHat, bar, 16, "..x...x...x...x.");
  w.Drums(Drum::ClosedHat, bar, 16, "oo.ooo.ooo.ooo.o");
  w.Drums(Drum::Snare, bar, 7, ".......o.......o");
  w.Drums(Drum::Snare, bar + 8, 7, ".......o.......o");
  Backbeat(w, bar, 8, false);
  Backbeat(w, bar + 8, 8, true);
}

// The lead says goodbye, then the intro's second half returns, so the end leads into the
// start as the intro's own first half led into its second.
void Outro(ScoreWriter& w, int bar) {
  w.Chords(bar, "Dm Bb F C Gm Gm A A");
  w.Pad(bar, 8, 0.5f, 0.15f);
  w.Arp(bar, 4, kLightArp, 0.5f, 0.4f, 0.6f);
  w.Arp(bar + 4, 4, kRisingArp, 0.4f, 0.05f, 0.8f);
  w.Melody(w.score().lead, bar, kFarewell, 0.5f);
  w.Bass(bar, 4, kOffbeatBass, 0.5f, 1);
  Crash(w, bar);
  w.Drums(Drum::Kick, bar, 4, kFourOnTheFloor);
  w.Drums(Drum::ClosedHat, bar, 4, "o.x.o.x.o.x.o.xo");
  Backbeat(w, bar, 4, false);
  BellCallEnding(w, bar + 4);
}

}  // namespace

bool WriteQuilletScore(Score& score) {
  score = Score();
  score.beatsPerMinute = 150;
  ScoreWriter w(score);
  Intro(w, 0);
  FirstTheme(w, 8);
  SecondTheme(w, 24);
  Breakdown(w, 40);
  Climax(w, 48);
  Outro(w, 64);
  return w.Finish();
}

}  // namespace assets
