#pragma once
#include <cstdint>

// Everything a game of Vexilo is, in one record.
struct GameRecord {
  enum State : int {
    kTitle = 0,
    kInstruction = 1,  // an instruction is shown; waiting for a key
    kPause = 2,        // between instructions
  };

  int state = kTitle;
  int ticks = 0;         // game ticks counted in the pause
  int pauseLength = 15;  // ticks the pause lasts: kShortPause, kSpeedUpPause or kMissPause
  int countdown = 4;     // 4 down to -1, one step per countdown period while an instruction shows
  int score = 0;
  int lives = 3;
  bool miss = false;     // a wrong key or a timeout, until the pause after it ends
  bool raised[4] = {false, false, false, false};
  int instruction = -1;  // the flag asked for, 0..3, or -1
  // 80 at a miss, one less each tick of the pause after it, -1 otherwise. Read as an unsigned
  // number for blinking, so the values below zero blink on as well (see ShowsMissBanner).
  int missBlink = -1;
  bool speedUpShown = false;
  bool speedUpDone = false;  // taken at the current multiple of ten
  int extraPictureRoll = 0;  // 0..126 for each game; 0 shows the extra picture
  int mode = 0;              // 0 normal speed, anything else fast
  char keys[4] = {'I', 'O', 'J', 'K'};  // the virtual-key code of each flag's key

  static constexpr int kShortPause = 15;
  static constexpr int kSpeedUpPause = 45;
  static constexpr int kMissPause = 100;
  static constexpr int kMissBlinkStart = 80;
  static constexpr int kLives = 3;
  static constexpr int kLastSpeedUpScore = 60;
};

// The MISS! banner shows while the blink value, read as unsigned, has an even number of tens:
// at 80, 69..60, ..., 9..0 and -7..-16 of a miss's pause; never at -1.
inline bool ShowsMissBanner(int missBlink) { return (uint32_t(missBlink) / 10) % 2 == 0; }

// The countdown period for the score, in milliseconds.
int CountdownPeriodMs(int score, int mode);
