#include "pelbrix/game/my_ship.h"

#include <algorithm>
#include <cmath>

#include "pelbrix/game/crash_effect.h"
#include "pelbrix/game/pelbrix.h"
#include "pelbrix/mesh.h"

namespace {

constexpr float kShipDepth = -400;
constexpr float kSpeed = 0.8f;
constexpr float kRollStep = 0.02f;
constexpr float kMaxRoll = 0.1f;
constexpr float kEdge = 46;
constexpr int kSlowButton = 1;  // X on the keyboard
const float kDiagonal = 1 / std::sqrt(2.0f);

// Whether a bullet's box overlaps the ship's: all four inequalities strict.
bool Touches(const CMover& ship, const CMover& bullet) {
  return ship.x + ship.boxLeft < bullet.x + bullet.boxRight &&
         ship.x + ship.boxRight > bullet.x + bullet.boxLeft &&
         bullet.y + bullet.boxBottom > ship.y + ship.boxTop &&
         ship.y + ship.boxBottom > bullet.y + bullet.boxTop;
}

}  // namespace

CMyShip::CMyShip(CTaskList* list, float px, float py) : CMover(list) {
  x = px;
  y = py;
  depth = kShipDepth;
  boxLeft = boxTop = -0.3f;
  boxRight = boxBottom = 0.3f;
}

void CMyShip::Steer() {
  const PlayerInput& input = list->game->inputDevices->records[0];
  float dx = 0, dy = 0;
  if (input.left) {
    dx = -kSpeed;
    if (roll > -kMaxRoll) roll -= kRollStep;
  } else if (input.right) {
    dx = kSpeed;
    if (roll < kMaxRoll) roll += kRollStep;
  } else {
    // KEEP: a roll of exactly 0 is stepped down too, so a ship at rest trembles between 0 and
    // -0.02 from frame to frame.
    roll += roll < 0 ? kRollStep : -kRollStep;
  }
  if (input.up) dy = -kSpeed;
  else if (input.down) dy = kSpeed;
  if (dx != 0 && dy != 0) {
    dx *= kDiagonal;
    dy *= kDiagonal;
  }
  if (input.buttons[kSlowButton]) {
    dx /= 2;
    dy /= 2;
  }
  x = std::clamp(x + dx, -kEdge, kEdge);
  y = std::clamp(y + dy, -kEdge, kEdge);
}

bool CMyShip::Move() {
  Steer();
  return true;
}

void CMyShip::Draw() {
  Mesh* mesh = list->game->shipMesh;
  if (!mesh || !mesh->device) return;
  // Drawn with the blending the other meshes left, at its own opacity.
  mesh->colorScale = {1, 1, 1, alpha};
  mesh->colorOffset = {0, 0, 0, 0};
  mesh->device->state.world = MeshWorldMatrix(x, kShipDepth, -y, 1, 1, 1, 0, 0, -roll, 15);
  mesh->Render();
}

bool CNormalMyShip::Move() {
  Steer();
  CPelbrix& game = *list->game;
  // Every bullet is tested, none is removed, and each one touching costs a hit point.
  for (CMover* bullet = game.bulletList.first(); bullet; bullet = game.bulletList.following(bullet))
    if (Touches(*this, *bullet)) hitPoints -= 1;
  if (hitPoints > 0) return true;
  CreateTask<CMyShipCrash>(game.effectList, x, y);
  game.currentShip = nullptr;
  return false;
}

bool CRevivalMyShip::Move() {
  Steer();
  alpha = 0.5f * std::sin(0.7f * float(frameCount)) + 0.5f;
  if (++frameCount <= kBlinkFrames) return true;
  CPelbrix& game = *list->game;
  game.currentShip = CreateTask<CNormalMyShip>(game.shipList, x, y);
  return false;
}

bool CAppearingMyShip::Move() {
  y -= 0.5f;
  roll += 0.1f;
  if (y > 30) return true;
  CPelbrix& game = *list->game;
  // Made while the ship list moves: the normal ship makes its first move in this same frame.
  game.currentShip = CreateTask<CNormalMyShip>(game.shipList, x, y);
  return false;
}
