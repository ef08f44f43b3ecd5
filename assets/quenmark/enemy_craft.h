#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "EnemyWhite.dds": a pale enemy craft seen from above, heading down the screen: a white
// armoured pod with wings swept back (up), two claws reaching forward (down) and a violet core.
// Transparent around it.
platform::Image RenderEnemyCraft(int size);

}  // namespace assets::quenmark
