#pragma once
#include "pelbrix/game/task_list.h"

// The root of the effects.
class CEffect : public CMover {
 public:
  using CMover::CMover;
};

// The ship's crash: it plays the crash sound when made and shows nothing; 51 frames later the
// rate falls and a reviving ship takes over at the place of the crash.
class CMyShipCrash : public CEffect {
 public:
  static constexpr int kFramesToRevival = 51;
  CMyShipCrash(CTaskList* list, float x, float y);
  bool Move() override;

  int frameCount = 0;
};
