#include "vexilo/game_record.h"

namespace {

// By tens of points: 0-9, 10-19, ... 50-59, 60 and more.
constexpr int kNormalMs[] = {1000, 750, 500, 300, 200, 100, 50};
constexpr int kFastMs[] = {326, 162, 89, 77, 66, 55, 43};

}  // namespace

int CountdownPeriodMs(int score, int mode) {
  int band = score < 0 ? 0 : score >= 60 ? 6 : score / 10;
  return mode == 0 ? kNormalMs[band] : kFastMs[band];
}
