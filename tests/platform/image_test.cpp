#include "platform/image.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

TEST(Image, PowersOfTwo) {
  EXPECT_EQ(NextPowerOfTwo(0), 1);
  EXPECT_EQ(NextPowerOfTwo(1), 1);
  EXPECT_EQ(NextPowerOfTwo(200), 256);
  EXPECT_EQ(NextPowerOfTwo(256), 256);
  EXPECT_EQ(NextPowerOfTwo(257), 512);
}

TEST(Image, StretchingKeepsEdgesAndBlendsBetween) {
  Image image(2, 1);
  image.at(0, 0) = 0xFF000000;
  image.at(1, 0) = 0xFFFFFFFF;
  Image wide = ResizeImage(image, 4, 1);
  EXPECT_EQ(wide.at(0, 0), 0xFF000000u);
  EXPECT_EQ(wide.at(3, 0), 0xFFFFFFFFu);
  EXPECT_GT(wide.at(1, 0) & 0xFF, 0u);
  EXPECT_LT(wide.at(1, 0) & 0xFF, wide.at(2, 0) & 0xFF);
}

TEST(Image, PngRoundTrip) {
  testing_support::TempDir dir;
  Image image(3, 2);
  image.at(0, 0) = 0xFFFF0000;
  image.at(2, 1) = 0x800000FF;
  ASSERT_TRUE(SavePng(dir.File("a.png"), image));
  Image back;
  ASSERT_TRUE(LoadImageFile(dir.File("a.png"), back));
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 2);
  EXPECT_EQ(back.pixels, image.pixels);
}

TEST(Image, MissingOrBadFilesAreRefused) {
  testing_support::TempDir dir;
  Image image(1, 1, 0xFFFFFFFF);
  EXPECT_FALSE(LoadImageFile(dir.File("none.png"), image));
  EXPECT_TRUE(image.empty());
  testing_support::WriteFile(dir.File("bad.png"), "\x89PNG\r\n\x1a\nnot really");
  EXPECT_FALSE(LoadImageFile(dir.File("bad.png"), image));
}

}  // namespace
}  // namespace platform
