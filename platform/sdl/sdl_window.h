#pragma once
#include <SDL.h>

#include <memory>

#include "platform/window.h"

namespace platform {

std::unique_ptr<Window> CreateSdlWindow(const WindowDesc& desc);

}  // namespace platform
