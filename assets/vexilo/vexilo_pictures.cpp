#include "assets/vexilo/vexilo_pictures.h"

#include "assets/vexilo/backgrounds.h"
#include "assets/vexilo/banners.h"
#include "assets/vexilo/bonus_picture.h"
#include "assets/vexilo/countdown_blocks.h"
#include "assets/vexilo/instruction_pictures.h"
#include "assets/vexilo/score_digits.h"
#include "assets/vexilo/sprite_sheets.h"

namespace assets::vexilo {

bool DrawVexiloPictures(std::vector<NamedPicture>& pictures) {
  pictures.clear();
  platform::Image field = DrawPlayBackground(), title, miss, speedup, digits;
  if (!DrawTitleBackground(title) || !DrawMissBanner(field, miss) || !DrawSpeedupBanner(field, speedup) ||
      !DrawScoreDigits(digits))
    return false;
  platform::Image mascot = MascotSprite();
  pictures.push_back({"Titleback.bmp", title});
  pictures.push_back({"Flagback.bmp", field});
  pictures.push_back({"Time.bmp", DrawCountdownBlocks(field)});
  for (int flag = 1; flag <= 4; ++flag)
    pictures.push_back({std::to_string(flag) + ".bmp", DrawInstructionPicture(field, flag)});
  pictures.push_back({"Vexilo_main.bmp", mascot});
  for (int flag = 1; flag <= 4; ++flag)
    pictures.push_back({"Vexilo_" + std::to_string(flag) + "n.bmp", FlagSprite(flag, false)});
  for (int flag = 1; flag <= 4; ++flag)
    pictures.push_back({"Vexilo_" + std::to_string(flag) + "u.bmp", FlagSprite(flag, true)});
  pictures.push_back({"ai.bmp", DrawBonusPicture(field, mascot)});
  pictures.push_back({"MISS!.bmp", miss});
  pictures.push_back({"SPEEDUP.bmp", speedup});
  pictures.push_back({"0.bmp", digits});
  return true;
}

const std::vector<std::string>& SpriteNames() {
  static const std::vector<std::string> names = {
      "Vexilo_main.bmp", "Vexilo_1n.bmp", "Vexilo_2n.bmp", "Vexilo_3n.bmp", "Vexilo_4n.bmp",
      "Vexilo_1u.bmp",   "Vexilo_2u.bmp", "Vexilo_3u.bmp", "Vexilo_4u.bmp"};
  return names;
}

}  // namespace assets::vexilo
