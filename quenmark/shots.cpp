// The shot pool: moving player shots and enemy bullets, and the hit tests.
#include "quenmark/game.h"

void QuenmarkGame::MoveShots() {}
void QuenmarkGame::ResolveHits() {}
void QuenmarkGame::ClearShots() {}
