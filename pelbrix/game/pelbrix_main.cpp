#include "pelbrix/game/pelbrix_main.h"

#include <memory>

#include "pelbrix/game/pelbrix.h"

int PelbrixMain(platform::Host& host, int argc, const char* const* argv) {
  auto game = std::make_unique<CPelbrix>(host, argc, argv);
  if (!game->started()) return 1;
  game->framesPerSecond = 60.0;
  game->pauseWhenInactive = true;
  game->frameSkip = false;
  game->ShowTitle();
  game->Run();
  return 0;
}
