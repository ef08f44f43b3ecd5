#pragma once
#include <memory>

#include "platform/input.h"

namespace platform {

std::unique_ptr<Input> CreateSdlInput();

}  // namespace platform
