#include "pelbrix/game/bullets.h"

#include <cmath>

#include "pelbrix/game/mesh_batch.h"
#include "pelbrix/game/pelbrix.h"
#include "pelbrix/mesh.h"

namespace {

constexpr float kBulletDepth = -100;
constexpr float kFieldMargin = 54;  // the visible ±50 and a margin of 4
constexpr float kSpin = 0.01f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kTurnsPerRadian = 0.15915494f;

}  // namespace

CBullet::CBullet(CTaskList* list, Mesh* const* meshes, int index, float px, float py)
    : CMover(list), mesh(meshes[index]) {
  x = px;
  y = py;
  depth = kBulletDepth;
  boxLeft = boxTop = -0.3f;
  boxRight = boxBottom = 0.3f;
  const CPelbrix* game = list->game;
  spin = game && meshes == game->bulletMeshes ? kSpin : 0.0f;
}

bool CBullet::Inside() const {
  return x >= -kFieldMargin && x <= kFieldMargin && y >= -kFieldMargin && y <= kFieldMargin;
}

bool CBullet::Move() {
  orientation += spin;
  return Inside();
}

void CBullet::Draw() {
  if (mesh) mesh->Draw(x, kBulletDepth, -y, 1, 1, 1, 0, orientation, 0, 15, 1.0f, false);
  CPelbrix& game = *list->game;
  if (game.currentShip) game.scores.ScoreDrawnBullet();
}

CDirBullet::CDirBullet(CTaskList* list, Mesh* const* meshes, int index, float px, float py)
    : CBullet(list, meshes, index, px, py) {}

CDirBullet::CDirBullet(CTaskList* list, Mesh* const* meshes, int index, float px, float py,
                       float angle, float speed, float acceleration)
    : CBullet(list, meshes, index, px, py) {
  Aim(angle * kTwoPi, speed, acceleration);
  orientation = angle + 0.25f;
}

void CDirBullet::Aim(float radians, float speed, float acceleration) {
  float c = std::cos(radians), s = std::sin(radians);
  vx = c * speed;
  vy = s * speed;
  ax = c * acceleration;
  ay = s * acceleration;
}

bool CDirBullet::Move() {
  x += vx;
  y += vy;
  vx += ax;
  vy += ay;
  orientation += spin;
  return Inside();
}

CAimBullet::CAimBullet(CTaskList* list, Mesh* const* meshes, int index, float px, float py,
                       float targetX, float targetY, float offset, float speed, float acceleration)
    : CDirBullet(list, meshes, index, px, py) {
  float theta = float(std::atan2(targetY - py, targetX - px) + offset * kTwoPi);
  Aim(theta, speed, acceleration);
  orientation = theta * kTurnsPerRadian + 0.25f;
}

void DrawBullets(CTaskList& bulletList, MeshBatch& batch) {
  CPelbrix& game = *bulletList.game;
  for (CMover* task = bulletList.first(); task; task = bulletList.following(task)) {
    auto* bullet = static_cast<CBullet*>(task);
    if (bullet->mesh) batch.Add(bullet->mesh, bullet->x, kBulletDepth, -bullet->y, bullet->orientation);
    if (game.currentShip) game.scores.ScoreDrawnBullet();
  }
  batch.Flush();
}
