#include "assets/pelbrix/stage_script.h"

#include <cstdio>
#include <initializer_list>

namespace assets {
namespace {

// Writes the script's lines. A comment is three lines: the opening marker, the text, the
// closing marker; the reader takes a marker only as a line's first token, so a marker and
// text on one line would run on.
class StageWriter {
 public:
  void Section(const char* title) {
    Line("/*");
    Line(std::string("  ") + title);
    Line("*/");
  }
  void Play(int track) { Line("play " + std::to_string(track)); }
  void Enemy(const char* kind, float x) {
    char number[32];
    std::snprintf(number, sizeof number, "%g", double(x));
    Line(std::string("enemy ") + kind + " " + number);
  }
  // One of the kind at x and at -x, in the same frame.
  void Pair(const char* kind, float x) {
    Enemy(kind, -x);
    Enemy(kind, x);
  }
  // One at each x in turn, `gap` frames apart (and `gap` after the last).
  void Stream(const char* kind, std::initializer_list<float> xs, int gap) {
    for (float x : xs) {
      Enemy(kind, x);
      Wait(gap);
    }
  }
  void Wait(int frames) { Line("wait " + std::to_string(frames)); }
  void FadeOut(int frames) { Line("fadeout " + std::to_string(frames)); }
  void GameOver() { Line("gameover"); }

  std::string text;

 private:
  void Line(const std::string& line) { text += line + "\r\n"; }
};

}  // namespace

// The six kinds: A drops one bullet at a time; B stops high and
// aims; C stops and pours a column straight down; D stops, spreads three ways and slides away
// from the middle; E drops fast fans; F sinks slowly with wide fans. B, C and D leave by the
// top and stay in the game's enemy list until the end, so the stage uses few of them (the list
// holds 500). x stays within -46 .. 46.
std::string StageScriptText() {
  StageWriter s;
  s.Section("Velquist Sonata - the stage. 60 frames a second; a wait counts frames.");

  s.Section("Prelude: the music starts, the ship flies in.");
  s.Play(0);
  s.Wait(150);

  s.Section("I. Overture: single crystals, each dropping a few bullets.");
  s.Stream("EneA", {-30, 30, -15, 15, 0, -38, 38, -8, 8}, 45);
  s.Wait(90);
  s.Pair("EneA", 20);
  s.Wait(60);
  s.Pair("EneA", 35);
  s.Wait(60);
  s.Pair("EneA", 10);
  s.Wait(60);
  s.Enemy("EneA", 0);
  s.Pair("EneA", 28);
  s.Wait(200);

  s.Section("II. First eyes: crystals that stop and aim at the ship.");
  s.Enemy("EneB", -25);
  s.Wait(90);
  s.Enemy("EneB", 25);
  s.Wait(120);
  s.Stream("EneA", {-40, 40, -20, 20}, 30);
  s.Pair("EneB", 36);
  s.Enemy("EneA", 0);
  s.Wait(240);
  s.Enemy("EneB", 0);
  s.Pair("EneA", 24);
  s.Wait(60);
  s.Pair("EneA", 12);
  s.Wait(300);

  s.Section("III. Curtains: columns of bullets to slip between.");
  s.Pair("EneC", 20);
  s.Wait(180);
  s.Stream("EneA", {-42, 42, -34, 34}, 25);
  s.Wait(160);
  s.Enemy("EneC", 0);
  s.Wait(90);
  s.Pair("EneA", 30);
  s.Wait(200);
  s.Pair("EneC", 34);
  s.Enemy("EneB", 0);
  s.Wait(180);
  s.Stream("EneA", {-12, 12, -4, 4}, 30);
  s.Wait(260);

  s.Section("IV. Spreads: three-way fans that slide away from the middle.");
  s.Pair("EneD", 10);
  s.Wait(180);
  s.Enemy("EneD", 0);
  s.Wait(60);
  s.Stream("EneA", {-36, 36, -26, 26}, 30);
  s.Wait(120);
  s.Pair("EneD", 26);
  s.Wait(100);
  s.Enemy("EneB", -38);
  s.Wait(120);
  s.Enemy("EneB", 38);
  s.Wait(260);

  s.Section("V. Rain: fast fans in a V.");
  s.Enemy("EneE", 0);
  s.Wait(24);
  s.Pair("EneE", 10);
  s.Wait(24);
  s.Pair("EneE", 20);
  s.Wait(24);
  s.Pair("EneE", 30);
  s.Wait(260);
  s.Pair("EneE", 40);
  s.Wait(24);
  s.Pair("EneE", 28);
  s.Wait(24);
  s.Pair("EneE", 16);
  s.Wait(24);
  s.Enemy("EneE", 0);
  s.Wait(220);
  s.Stream("EneE", {-35, -20, -5, 10, 25, 40}, 30);
  s.Enemy("EneB", 0);
  s.Wait(120);
  s.Stream("EneE", {35, 20, 5, -10, -25, -40}, 30);
  s.Wait(240);

  s.Section("Interlude: a breath, a few stragglers.");
  s.Stream("EneA", {-20, 20, 0}, 90);
  s.Wait(240);

  s.Section("VI. Slow giants: heavy crystals sinking with wide fans.");
  s.Enemy("EneF", -25);
  s.Wait(120);
  s.Enemy("EneF", 25);
  s.Wait(160);
  s.Pair("EneA", 40);
  s.Wait(60);
  s.Enemy("EneF", 0);
  s.Wait(120);
  s.Pair("EneA", 12);
  s.Wait(100);
  s.Pair("EneF", 36);
  s.Wait(160);
  s.Pair("EneC", 44);
  s.Wait(300);

  s.Section("VII. Crescendo: every kind at once.");
  s.Pair("EneC", 40);
  s.Enemy("EneF", 0);
  s.Wait(120);
  s.Pair("EneB", 20);
  s.Wait(90);
  s.Stream("EneE", {-30, 30, -15, 15}, 36);
  s.Pair("EneD", 8);
  s.Wait(150);
  s.Pair("EneF", 30);
  s.Wait(90);
  s.Stream("EneA", {-44, -33, -22, -11, 0, 11, 22, 33, 44}, 14);
  s.Wait(160);
  s.Enemy("EneC", 0);
  s.Pair("EneE", 36);
  s.Wait(120);
  s.Pair("EneE", 24);
  s.Wait(60);
  s.Pair("EneD", 30);
  s.Enemy("EneB", 0);
  s.Wait(180);
  s.Stream("EneE", {-40, 40, -28, 28, -16, 16, -4, 4}, 20);
  s.Wait(200);
  s.Enemy("EneF", -12);
  s.Enemy("EneF", 12);
  s.Wait(160);
  s.Pair("EneB", 40);
  s.Wait(300);

  s.Section("Interlude: the eye of the storm.");
  s.Stream("EneA", {0, -30, 30}, 80);
  s.Wait(300);

  s.Section("VIII. Finale: walls, fans and aimed fire together.");
  s.Pair("EneC", 26);
  s.Enemy("EneF", 0);
  s.Wait(90);
  s.Pair("EneB", 40);
  s.Wait(60);
  s.Stream("EneE", {-40, -30, -20, -10, 0, 10, 20, 30, 40}, 16);
  s.Wait(90);
  s.Pair("EneD", 14);
  s.Pair("EneF", 38);
  s.Wait(180);
  s.Stream("EneE", {40, 30, 20, 10, 0, -10, -20, -30, -40}, 16);
  s.Enemy("EneB", 0);
  s.Wait(120);
  s.Pair("EneC", 10);
  s.Pair("EneA", 42);
  s.Wait(150);
  s.Pair("EneD", 36);
  s.Enemy("EneF", -20);
  s.Enemy("EneF", 20);
  s.Wait(120);
  s.Stream("EneE", {-36, 36, -24, 24, -12, 12, 0}, 24);
  s.Wait(90);
  s.Pair("EneB", 28);
  s.Enemy("EneF", 0);
  s.Wait(240);
  s.Stream("EneA", {-40, 40, -30, 30, -20, 20, -10, 10, 0}, 18);
  s.Wait(420);

  s.Section("Coda: the field clears, the music fades, the game ends.");
  s.Wait(300);
  s.FadeOut(240);
  s.Wait(300);
  s.GameOver();
  return s.text;
}

}  // namespace assets
