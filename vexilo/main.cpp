#include "platform/sdl/sdl_host.h"
#include "vexilo/vexilo_program.h"

int main() {
  auto host = platform::CreateSdlHost();
  return VexiloMain(*host);
}
