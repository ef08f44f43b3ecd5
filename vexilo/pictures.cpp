#include "vexilo/pictures.h"

#include <string>

#include "platform/game_path.h"

namespace {

void Load(platform::Image& image, const std::string& gamePath) {
  platform::LoadImageFile(platform::HostPath(gamePath), image);
}

}  // namespace

void LoadPictures(Pictures& p) {
  Load(p.titleBack, "image//Titleback.bmp");
  Load(p.flagBack, "image//Flagback.bmp");
  Load(p.time, "image//Time.bmp");
  for (int k = 0; k < 4; ++k) {
    std::string n = std::to_string(k + 1);
    Load(p.instruction[k], "image//" + n + ".bmp");
    Load(p.flagDown[k], "image//Vexilo_" + n + "n.bmp");
    Load(p.flagUp[k], "image//Vexilo_" + n + "u.bmp");
  }
  Load(p.figure, "image//Vexilo_main.bmp");
  Load(p.extra, "image//ai.bmp");
  Load(p.missBanner, "image//MISS!.bmp");
  Load(p.speedUpBanner, "image//SPEEDUP.bmp");
  Load(p.digits, "image//0.bmp");
}
