#pragma once
#include "pelbrix/game/task_list.h"

class Mesh;
class MeshBatch;

// An enemy: it flies a fixed path and fires bullets of one look (bulletMeshIndex picks one of
// the game's two bullet meshes, at random when it is made). Nothing can hit an enemy.
class CEnemy : public CMover {
 public:
  CEnemy(CTaskList* list, Mesh* mesh, float x, float y, float left, float top, float right,
         float bottom);

  Mesh* mesh;
  float orientation = 0;  // turns
  int frameCount = 0;     // moves made so far
  int bulletMeshIndex;
};

// The six kinds' common part: they enter above the field at y = -54 and are drawn turned in
// the screen's plane. An enemy leaves its list only in the move in which it reaches y = 58
// (below the bottom edge).
class CSmallEnemy : public CEnemy {
 public:
  CSmallEnemy(CTaskList* list, Mesh* mesh, float x);
  bool Move() override { return y < 58; }
  void Draw() override;

 protected:
  // The pattern's bullets, from the enemy's position (plus dx), into the bullet list; a bullet
  // that finds the list full is skipped.
  void FireStraight(float angle, float speed, float dx = 0);
  void FireAimed(float speed);
  // 1, 3, 5 or 7 straight bullets fanned 0.04 turns apart around straight down.
  void FireFan(int halfWidth, float speed);
  // Seven directions as in the widest fan, a slow bullet then a fast one in each: 14 bullets.
  void FireDoubleFan();
  // Whether this move fires: it needs a live ship to aim at.
  bool ShipAlive() const;
  bool Hard() const;
  // The common end of every kind's move: count it, and keep the enemy until it passes y = 58.
  bool Counted();
};

class CEneA : public CSmallEnemy {
 public:
  CEneA(CTaskList* list, float x);
  bool Move() override;
};
class CEneB : public CSmallEnemy {
 public:
  CEneB(CTaskList* list, float x);
  bool Move() override;
};
class CEneC : public CSmallEnemy {
 public:
  CEneC(CTaskList* list, float x);
  bool Move() override;
};
class CEneD : public CSmallEnemy {
 public:
  CEneD(CTaskList* list, float x);
  bool Move() override;
};
class CEneE : public CSmallEnemy {
 public:
  CEneE(CTaskList* list, float x);
  bool Move() override;
};
class CEneF : public CSmallEnemy {
 public:
  CEneF(CTaskList* list, float x);
  bool Move() override;
};

// The factories of the six kinds, in the order of their script names: each makes an enemy of
// its kind at x in the game's enemy list, or nothing when the list is full.
using EnemyFactory = void (*)(CTaskList& enemyList, float x);
constexpr int kEnemyKinds = 6;
extern const char* const kEnemyNames[kEnemyKinds];  // "EneA" ... "EneF"
extern const EnemyFactory kEnemyFactories[kEnemyKinds];

// The enemy list's drawing pass: every enemy drawn in list order as CSmallEnemy::Draw does,
// with the enemies that follow each other with the same mesh in one draw.
void DrawEnemies(CTaskList& enemyList, MeshBatch& batch);
