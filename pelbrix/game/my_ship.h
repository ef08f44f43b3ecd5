#pragma once
#include "pelbrix/game/task_list.h"

// The player's ship: it steers from player record 0 and draws itself banked by its roll. Its
// life goes through the classes below, each making its successor and leaving.
class CMyShip : public CMover {
 public:
  CMyShip(CTaskList* list, float x, float y);
  // Steering; always kept.
  bool Move() override;
  void Draw() override;

  float roll = 0;   // bank in turns, drawn as a turn about the screen's vertical axis
  float alpha = 1;  // opacity, below 1 while blinking

 protected:
  void Steer();
};

// The ship that can be hit: a touching bullet costs a hit point, and at none left it becomes
// the crash effect.
class CNormalMyShip : public CMyShip {
 public:
  CNormalMyShip(CTaskList* list, float x, float y) : CMyShip(list, x, y) {}
  bool Move() override;

  float hitPoints = 1;
};

// After a crash: it steers and blinks, cannot be hit, and after 120 frames is a normal ship.
class CRevivalMyShip : public CMyShip {
 public:
  static constexpr int kBlinkFrames = 120;
  CRevivalMyShip(CTaskList* list, float x, float y) : CMyShip(list, x, y) {}
  bool Move() override;

  int frameCount = 0;
};

// At the start of a game: it rises into the field from below, spinning, and at y 30 becomes a
// normal ship (after 60 frames). It does not steer and cannot be hit.
class CAppearingMyShip : public CMyShip {
 public:
  explicit CAppearingMyShip(CTaskList* list) : CMyShip(list, 0, 60) {}
  bool Move() override;
};
