#include "pelbrix/game/pelbrix.h"

namespace {
const char* const kTitle = "Velquist Sonata";
}

CPelbrix::CPelbrix(platform::Host& host, int argc, const char* const* argv)
    : CGame(host, argc, argv, kTitle, /*hasMenu=*/false, /*suppressHint=*/true) {
  // Esc ends the game at once; "-nce" therefore changes nothing here.
  confirmExit = false;
}
