#pragma once
#include "assets/quenmark/quenmark_pictures.h"
#include "platform/image.h"

// Mock screens made from the game's pictures, placed and sized as its camera shows them: the
// screen's height spans 248.5 world units around the world's origin, +y down. Sprites are
// filtered, alpha-tested (fully transparent texels are not drawn) and blended, as the game draws
// them, over the play field's dark red.
namespace assets::quenmark {

// The picture alone over the play field's colour, stretched to `size` on a side.
platform::Image OnPlayField(const platform::Image& picture, int size);

platform::Image MockTitleScreen(const QuenmarkPictures& pictures, int width, int height);
// Play: the ship with its marker and shots, enemies and their bullets, an explosion, and the
// side bar with its rows written on it.
platform::Image MockPlayScreen(const QuenmarkPictures& pictures, int width, int height);
// The result picture over a frame of play, with a score written where the game writes it.
platform::Image MockResultScreen(const QuenmarkPictures& pictures, int width, int height);

}  // namespace assets::quenmark
