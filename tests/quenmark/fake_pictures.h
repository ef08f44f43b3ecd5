#pragma once
// Fourteen small pictures under the texture table's names, for tests that need the side-bar
// shooter to start without its made content: each a 16 x 16 square of its own colour with a
// transparent frame one texel wide.
#include <string>

#include "platform/atomic_file.h"
#include "platform/dds.h"
#include "platform/image.h"

namespace quenmark_test {

inline const char* const kPictureNames[] = {
    "MyShip.dds", "Center.dds", "EnemyWhite.dds", "bullet.dds", "needle.dds", "EnemyBullet.dds", "Loading.dds",
    "Title.dds", "Start.dds", "quit.dds", "MagicStone.dds", "SideBar.dds", "ASCII.dds", "result.dds"};

// The colour of the picture of texture id (1..14).
inline uint32_t FakeColour(int id) { return 0xFF000000u | uint32_t(id * 17) << 16 | uint32_t(255 - id * 15) << 8 | 0x40u; }

inline bool WriteFakePictures(const std::string& folder) {
  for (int id = 1; id <= 14; ++id) {
    platform::Image image(16, 16, 0);
    for (int y = 1; y < 15; ++y)
      for (int x = 1; x < 15; ++x) image.at(x, y) = FakeColour(id);
    if (!platform::ReplaceFile(folder + "/" + kPictureNames[id - 1],
                               platform::EncodeDds(image, platform::DdsFormat::A8R8G8B8)))
      return false;
  }
  return true;
}

}  // namespace quenmark_test
