#pragma once
#include "pelbrix/cgame.h"

// The dodging shooter. For now the frame's work is empty: the shell runs around it.
class CPelbrix : public CGame {
 public:
  CPelbrix(platform::Host& host, int argc, const char* const* argv);

  void Move() override {}
  void Draw() override {}
};
