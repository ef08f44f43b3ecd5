#include "pelbrix/game/enemies.h"

#include <cmath>

#include "pelbrix/game/bullets.h"
#include "pelbrix/game/mesh_batch.h"
#include "pelbrix/game/pelbrix.h"
#include "pelbrix/mesh.h"

namespace {

constexpr float kEnemyDepth = -200;
constexpr float kEntryY = -54;
constexpr float kDown = 0.25f;     // straight down the screen, in turns
constexpr float kFanStep = 0.04f;  // turns between the bullets of a fan

}  // namespace

CEnemy::CEnemy(CTaskList* list, Mesh* m, float px, float py, float left, float top, float right,
               float bottom)
    : CMover(list), mesh(m) {
  x = px;
  y = py;
  depth = kEnemyDepth;
  boxLeft = left, boxTop = top, boxRight = right, boxBottom = bottom;
  float r = float(list->game->random.NextUniform());
  bulletMeshIndex = int(r + 0.5f);
}

CSmallEnemy::CSmallEnemy(CTaskList* list, Mesh* m, float px)
    : CEnemy(list, m, px, kEntryY, -2.5f, -2.5f, 2.5f, 2.5f) {}

void CSmallEnemy::Draw() {
  if (mesh) mesh->Draw(x, kEnemyDepth, -y, 1, 1, 1, 0, orientation, 0, 15, 1.0f, false);
}

void CSmallEnemy::FireStraight(float angle, float speed, float dx) {
  CPelbrix& game = *list->game;
  CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, bulletMeshIndex, x + dx, y, angle,
                         speed, 0.0f);
}

void CSmallEnemy::FireAimed(float speed) {
  CPelbrix& game = *list->game;
  const CMover& ship = *game.currentShip;
  CreateTask<CAimBullet>(game.bulletList, game.bulletMeshes, bulletMeshIndex, x, y, ship.x, ship.y,
                         0.0f, speed, 0.0f);
}

void CSmallEnemy::FireFan(int halfWidth, float speed) {
  for (int i = -halfWidth; i <= halfWidth; ++i) FireStraight(kDown + kFanStep * float(i), speed);
}

void CSmallEnemy::FireDoubleFan() {
  for (int i = -3; i <= 3; ++i) {
    FireStraight(kDown + kFanStep * float(i), 0.5f);
    FireStraight(kDown + kFanStep * float(i), 1);
  }
}

bool CSmallEnemy::ShipAlive() const { return list->game->currentShip != nullptr; }
bool CSmallEnemy::Hard() const { return list->game->hardMode; }

bool CSmallEnemy::Counted() {
  ++frameCount;
  return y < 58;
}

CEneA::CEneA(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[0], px) {}

bool CEneA::Move() {
  const int c = frameCount;
  y += 0.4f;
  orientation += 0.01f;
  if (ShipAlive()) {
    if (!Hard() && c % 10 == 0 && c % 100 < 20) FireStraight(kDown, 1);
    if (Hard() && c % 6 == 0 && c % 100 < 30) FireFan(3, 1);
  }
  return Counted();
}

CEneB::CEneB(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[1], px) {}

bool CEneB::Move() {
  const int c = frameCount;
  if (c <= 100) y += 0.3f;
  // KEEP: from its 300th move it climbs back out of the top and is never removed (only the
  // bottom edge removes an enemy); it stays in the enemy list, firing, until the title.
  if (c >= 300) y -= 0.3f;
  orientation = -0.1f * std::cos(0.03f * float(c));
  if (ShipAlive()) {
    if (!Hard() && c % 8 == 0 && c % 100 <= 20) FireAimed(1.0f);
    if (Hard() && c % 4 == 0 && c % 100 <= 20) {
      FireAimed(1.0f);
      FireAimed(1.5f);
      FireAimed(0.5f);
    }
  }
  return Counted();
}

CEneC::CEneC(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[2], px) {}

bool CEneC::Move() {
  const int c = frameCount;
  if (c < 100) y += 0.4f;
  if (c >= 300) y -= 0.4f;  // KEEP: climbs out of the top and stays in the list (see CEneB)
  // It fires whether or not the ship is alive.
  if (c % 3 == 0 && c % 100 < 80 && c < 300) {
    FireStraight(kDown, 1);
    if (Hard()) {
      FireStraight(kDown, 1, 1);
      FireStraight(kDown, 1, -1);
    }
  }
  return Counted();
}

CEneD::CEneD(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[3], px) {}

bool CEneD::Move() {
  const int c = frameCount;
  if (c <= 100) y += 0.4f;
  if (c >= 200) y -= 0.4f;  // KEEP: climbs out of the top and stays in the list (see CEneB)
  if (c >= 50) {
    // Sideways, away from the centre line; one exactly on it goes right.
    if (x < 0) x -= 0.4f;
    if (x >= 0) x += 0.4f;
  }
  if (ShipAlive() && c % 10 == 0 && c % 100 < 20) {
    if (!Hard()) FireFan(1, 1);
    else FireDoubleFan();
  }
  return Counted();
}

CEneE::CEneE(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[0], px) {}

bool CEneE::Move() {
  const int c = frameCount;
  y += 0.4f;
  orientation += 0.01f;
  if (ShipAlive()) {
    if (!Hard() && c % 7 == 0 && c % 100 < 20) FireFan(2, 2);
    if (Hard() && c % 10 == 0 && c % 100 < 20) FireDoubleFan();
  }
  return Counted();
}

CEneF::CEneF(CTaskList* list, float px) : CSmallEnemy(list, list->game->enemyMeshes[0], px) {}

bool CEneF::Move() {
  const int c = frameCount;
  y += 0.2f;
  orientation += 0.01f;
  if (ShipAlive()) {
    if (!Hard() && c % 8 == 0 && c % 100 < 20) FireFan(2, 1.5f);
    if (Hard() && c % 2 == 0 && c % 100 <= 20) {
      // Two draws, one after the other, each in [-0.5, 0.5).
      RandomGenerator& random = list->game->random;
      float r1 = float(random.NextUniform() - 0.5);
      float r2 = float(random.NextUniform() - 0.5);
      FireStraight(kDown + r1, 0.1f);
      FireStraight(kDown - r2, 0.1f);
    }
  }
  return Counted();
}

namespace {

template <typename Kind>
void Make(CTaskList& enemyList, float x) {
  CreateTask<Kind>(enemyList, x);
}

}  // namespace

void DrawEnemies(CTaskList& enemyList, MeshBatch& batch) {
  // Every task of the enemy list is one of the six kinds.
  for (CMover* task = enemyList.first(); task; task = enemyList.following(task)) {
    auto* enemy = static_cast<CSmallEnemy*>(task);
    if (enemy->mesh) batch.Add(enemy->mesh, enemy->x, kEnemyDepth, -enemy->y, enemy->orientation);
  }
  batch.Flush();
}

const char* const kEnemyNames[kEnemyKinds] = {"EneA", "EneB", "EneC", "EneD", "EneE", "EneF"};
const EnemyFactory kEnemyFactories[kEnemyKinds] = {Make<CEneA>, Make<CEneB>, Make<CEneC>,
                                                   Make<CEneD>, Make<CEneE>, Make<CEneF>};
