#pragma once
#include <memory>

#include "platform/audio.h"

namespace platform {

// Music and effects on SDL2_mixer. The device is opened on first use; when it cannot be, every
// call does nothing and the game goes on in silence.
std::unique_ptr<Audio> CreateSdlAudio();

}  // namespace platform
