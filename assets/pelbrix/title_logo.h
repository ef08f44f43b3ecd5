#pragma once
#include "platform/image.h"

namespace assets {

// "title.png": the game's name as a logo, 600 x 360, transparent around it. The title scene
// draws it at the play field's top-left, once darkened as a shadow and once as it is, over black;
// the menu goes below it (from y = 390).
bool RenderTitleLogo(platform::Image& out);

}  // namespace assets
