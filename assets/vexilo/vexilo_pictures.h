#pragma once
#include <string>
#include <vector>

#include "platform/image.h"

namespace assets::vexilo {

struct NamedPicture {
  std::string name;  // the file name the game loads it by
  platform::Image image;
};

// Every picture of the flag game, in memory. False when a font cannot be used.
bool DrawVexiloPictures(std::vector<NamedPicture>& pictures);

// The names of the masked sprites among them.
const std::vector<std::string>& SpriteNames();

}  // namespace assets::vexilo
