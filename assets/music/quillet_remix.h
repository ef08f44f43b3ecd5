#pragma once
#include "assets/common/sound_file.h"

namespace assets {

// The shooter's stage music, "Quillet Remix": an original piece, synthesised here, stereo.
// Its end flows into its beginning, so the game can loop it without a seam.
Sound RenderQuilletRemix(int sampleRate);

}  // namespace assets
