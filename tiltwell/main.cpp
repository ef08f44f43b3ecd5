#include "platform/sdl/sdl_host.h"
#include "tiltwell/tiltwell.h"

int main() {
  auto host = platform::CreateSdlHost();
  return TiltwellMain(*host);
}
