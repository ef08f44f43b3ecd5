#include "platform/game_path.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(GamePath, BackslashesBecomeSlashes) {
  EXPECT_EQ(HostPath("..\\Files\\title.png"), "../Files/title.png");
  EXPECT_EQ(HostPath("image//0.bmp"), "image//0.bmp");
}

TEST(GamePath, KeepsTheSecondByteOfADoubleByteCharacter) {
  // "表" is 0x95 0x5C; the folder "表示" must not be cut inside its first character.
  const std::string path = "\x95\x5C\x8E\xA6\\pic.png";
  EXPECT_EQ(HostPath(path), "表示/pic.png");
  EXPECT_EQ(GameFolderOf(path), "\x95\x5C\x8E\xA6\\");
  EXPECT_EQ(GameFolderOf("\x95\x5C.x"), "");
  EXPECT_EQ(GameFolderOf("a\\b\\c.x"), "a\\b\\");
}

TEST(GamePath, HostPathsComeBackAsGamePaths) {
  EXPECT_EQ(GamePath("/home/ソ/bin/Pelbrix"), "\\home\\\x83\x5C\\bin\\Pelbrix");
  EXPECT_FALSE(GamePath("/home/☃/bin").has_value());
}

}  // namespace
}  // namespace platform
