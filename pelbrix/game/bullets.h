#pragma once
#include "pelbrix/game/task_list.h"

class Mesh;
class MeshBatch;

// An enemy bullet: it spins slowly, leaves the bullet list in the frame it passes the field's
// margin (±54), and scores while drawn.
class CBullet : public CMover {
 public:
  // meshes is an array of bullet meshes and index picks one. Bullets of the game's own bullet
  // meshes spin by 0.01 turns a frame; others do not spin.
  CBullet(CTaskList* list, Mesh* const* meshes, int index, float x, float y);
  bool Move() override;
  // Draws the mesh turned in the screen's plane; then, while the ship is alive, the bullet
  // scores the rate once.
  void Draw() override;

  Mesh* mesh;
  float orientation = 0;  // turns
  float spin = 0;         // turns added each frame

 protected:
  // Whether the bullet is inside the field and its margin: -54 <= x, y <= 54.
  bool Inside() const;
};

// A bullet that flies in a straight line or a curve: velocity and constant acceleration, in
// field units per frame.
class CDirBullet : public CBullet {
 public:
  // angle in turns: 0 to the right, 0.25 straight down the screen.
  CDirBullet(CTaskList* list, Mesh* const* meshes, int index, float x, float y, float angle,
             float speed, float acceleration);
  // The new position uses last frame's velocity: move, then accelerate, then spin.
  bool Move() override;

  float vx = 0, vy = 0, ax = 0, ay = 0;

 protected:
  // For bullets that set their own direction.
  CDirBullet(CTaskList* list, Mesh* const* meshes, int index, float x, float y);
  void Aim(float radians, float speed, float acceleration);
};

// A bullet fired at a target point, turned from it by an offset in turns.
class CAimBullet : public CDirBullet {
 public:
  CAimBullet(CTaskList* list, Mesh* const* meshes, int index, float x, float y, float targetX,
             float targetY, float offset, float speed, float acceleration);
};

// The bullet list's drawing pass: every bullet drawn and scored in list order as CBullet::Draw
// does, with the bullets that follow each other with the same mesh in one draw.
void DrawBullets(CTaskList& bulletList, MeshBatch& batch);
