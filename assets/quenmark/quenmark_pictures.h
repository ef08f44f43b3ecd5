#pragma once
#include <string>
#include <vector>

#include "platform/image.h"

namespace assets::quenmark {

// Every picture of the side-bar shooter, square and a power of two on a side (the game stretches
// each over a square), at about the size it shows on a 1080-line screen.
struct QuenmarkPictures {
  platform::Image ship, hitMarker, enemy, shot, needle, enemyBullet, loading, title, start, quit, lifeStone,
      sideBar, ascii, result;

  // The file under images/ each picture is saved as, with the picture.
  struct Entry {
    const char* file;
    const platform::Image* image;
  };
  std::vector<Entry> Files() const;
};

// Draws them all. False when a font cannot be used.
bool DrawQuenmarkPictures(QuenmarkPictures& out);

}  // namespace assets::quenmark
