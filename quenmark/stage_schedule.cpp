// The stage's timetable, in steps of 60 ticks.
#include "quenmark/game.h"

void QuenmarkGame::StageSchedule() {}
