#include "pelbrix/game/pelbrix_main.h"
#include "platform/sdl/sdl_host.h"

int main(int argc, char** argv) {
  auto host = platform::CreateSdlHost();
  return PelbrixMain(*host, argc, argv);
}
