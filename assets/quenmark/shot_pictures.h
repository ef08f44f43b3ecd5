#pragma once
#include "platform/image.h"

// The shots: round, glowing, and fully transparent at their squares' edges, since the game
// draws them by the hundred and the explosion is the player's shot blown up.
namespace assets::quenmark {

// "bullet.dds": the player's main shot, 4 units across in play and up to 296 as an explosion: a
// white-hot core in a golden glow that thins out to nothing well inside the square.
platform::Image RenderShotOrb(int size);
// "needle.dds": the player's side shot, a thin upright needle of light.
platform::Image RenderNeedle(int size);
// "EnemyBullet.dds": a white core in a cyan ring with a dark edge, to stand out on the dark red
// field and on the pale ship alike.
platform::Image RenderEnemyBullet(int size);

}  // namespace assets::quenmark
