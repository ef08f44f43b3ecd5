#pragma once
#include <memory>

#include "platform/host.h"

namespace platform {

// The real machine: SDL2 windows with OpenGL, the keyboard and game controllers, the system
// clocks and message boxes. One per process.
std::unique_ptr<Host> CreateSdlHost();

}  // namespace platform
