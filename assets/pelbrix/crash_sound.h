#pragma once
#include "assets/common/sound_file.h"

namespace assets {

// "crash_boss.wav": the ship's explosion, short and punchy.
Sound RenderCrashSound(int sampleRate);

}  // namespace assets
