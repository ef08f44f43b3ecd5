#include "platform/sdl/sdl_host.h"
#include "quenmark/quenmark_program.h"

int main() {
  auto host = platform::CreateSdlHost();
  return QuenmarkMain(*host);
}
