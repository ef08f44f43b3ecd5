// The player's ship, its slow mode and shots, and the death sequence with its rescue.
#include "quenmark/game.h"

void QuenmarkGame::ResetPlayer() {}
void QuenmarkGame::UpdatePlayer(InputWord) {}
void QuenmarkGame::FirePlayerShots(InputWord) {}
void QuenmarkGame::UpdatePlayerSprite() {}
int QuenmarkGame::RunDeathSequence(InputWord) { return 0; }
