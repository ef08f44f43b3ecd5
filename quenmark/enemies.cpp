// Enemies: formations whose followers trace the path of the enemy ahead, and their volleys.
#include "quenmark/game.h"

void QuenmarkGame::SpawnFormation(int, int, int, int, float, float, int, int) {}
void QuenmarkGame::UpdateEnemies() {}
void QuenmarkGame::FireVolleys() {}
