#include "pelbrix/game/score_board.h"

#include "pelbrix/key_value_file.h"

namespace {
const char* const kHighScoreKey = "HighScore";
}

void ScoreBoard::StartGame() {
  score.Set(0);
  scoreRate = kStartingRate;
}

void ScoreBoard::ScoreDrawnBullet() {
  score.Add(scoreRate);
  if (score.Compare(highScore) > 0) highScore.CopyFrom(score);
}

void ScoreBoard::LowerRateAfterCrash() {
  if (scoreRate > 10) scoreRate -= 10;
  if (scoreRate == 10) scoreRate = 1;
}

void ScoreBoard::LoadHighScore(const std::string& path) {
  KeyValueFile file;
  file.Load(path);
  std::string value = file.GetValue(kHighScoreKey);
  if (!value.empty()) highScore.Parse(value);
}

bool ScoreBoard::SaveHighScore(const std::string& path) const {
  KeyValueFile file;
  file.SetValue(kHighScoreKey, highScore.digits());
  return file.Save(path);
}
