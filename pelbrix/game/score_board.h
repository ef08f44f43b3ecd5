#pragma once
#include <string>

#include "pelbrix/game/digit_counter.h"

// The score, the best score and the points each drawn bullet is worth. Points are scored in
// the drawing pass: every bullet drawn while the ship is alive adds the rate once per frame.
struct ScoreBoard {
  static constexpr int kDigits = 12;
  static constexpr int kStartingRate = 50;

  CDigitCounter score{kDigits};
  CDigitCounter highScore{kDigits};
  int scoreRate = 0;  // 0 until a game starts

  // A new game: score 0, rate 50.
  void StartGame();
  // One bullet drawn while the ship is alive: the rate is added, and the best score follows the
  // score in the same moment it overtakes it.
  void ScoreDrawnBullet();
  // After each loss of the ship: above 10 the rate loses 10, and 10 becomes 1, so successive
  // losses give 50, 40, 30, 20, 1, 1, ...
  void LowerRateAfterCrash();

  // The best score from the high-score file (a game path): the value of "HighScore", read
  // left-aligned. A missing or unreadable file leaves it at zero.
  void LoadHighScore(const std::string& path);
  // Replaces the whole file with the one line "HighScore=" and the twelve digits; false when it
  // cannot be written (the old file is then as it was).
  bool SaveHighScore(const std::string& path) const;
};
