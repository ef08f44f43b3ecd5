// The stage's timetable, in steps of 60 ticks.
#include "quenmark/game.h"

namespace {

constexpr uint32_t kTicksPerStep = 60;  // one second at 60 ticks per second
constexpr uint32_t kLastStep = 50;      // the stage is over

// One formation: at the start of its step, (mode, hp, count, px, py, fireDelay, volley) for
// SpawnFormation. Rows of one step are spawned in this order.
struct FormationRow {
  uint32_t step;
  int mode, hp, count;
  float px, py;
  int fireDelay, volley;
};

constexpr FormationRow kTimetable[] = {
    // Two columns entering downwards from the top edge.
    {2, 0, 10, 8, 80, 0, 80, 3},
    {2, 0, 10, 8, 140, 0, 80, 3},
    // Rows: from the left edge moving right, and from the right moving left.
    {4, 2, 10, 8, 0, 80, 120, 1},
    {4, 3, 10, 8, 240, 140, 120, 1},
    {10, 0, 10, 20, 80, 0, 50, 1},
    {16, 0, 10, 10, 140, 0, 100, 1},
    {16, 2, 10, 10, 0, 80, 120, 1},
    {16, 3, 10, 10, 240, 140, 120, 1},
    // A standing enemy that fires a ring.
    {20, 4, 200, 1, 110, 110, 40, 70},
    {30, 4, 200, 1, 110, 110, 40, 70},
    {35, 2, 10, 8, 0, 80, 120, 3},
    {35, 3, 10, 8, 240, 140, 120, 3},
    // Three standing enemies that fire wide fans.
    {38, 4, 200, 1, 100, 60, 40, 16},
    {38, 4, 200, 1, 50, 60, 40, 16},
    {38, 4, 200, 1, 150, 60, 40, 16},
};

}  // namespace

void QuenmarkGame::StageSchedule() {
  // The clock counts unfrozen play ticks only, so a death delays the rest of the stage.
  if (stageClock % kTicksPerStep == 0) {
    const uint32_t step = stageClock / kTicksPerStep;
    for (const FormationRow& row : kTimetable)
      if (row.step == step)
        SpawnFormation(Enemy::kActive, row.mode, row.hp, row.count, row.px, row.py, row.fireDelay, row.volley);
    if (step == kLastStep) gameState = kResultState;
  }
  stageClock += 1;
}
