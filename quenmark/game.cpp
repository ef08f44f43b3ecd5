#include "quenmark/game.h"

void QuenmarkGame::ResetPools() {
  sprites.Reset();
  for (Shot& s : shots) s = Shot();
  for (Enemy& e : enemies) e = Enemy();
}

int QuenmarkGame::FindFreeShot() const {
  for (int i = 0; i < kShots; ++i)
    if (shots[size_t(i)].kind == Shot::kFree) return i;
  return -1;
}

int QuenmarkGame::FindFreeEnemy() const {
  for (int i = 0; i < kEnemies; ++i)
    if (enemies[size_t(i)].kind == Enemy::kFree) return i;
  return -1;
}
