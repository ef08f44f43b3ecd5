#include "platform/image.h"

#include <gtest/gtest.h>

#include "platform/dds.h"
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

// A bottom-up Windows bitmap of 2 x 2 pixels: bottom row red, green; top row blue, white.
std::string Bmp(int bitsPerPixel) {
  const int rowBytes = (2 * bitsPerPixel / 8 + 3) & ~3;
  std::string file(54 + 2 * rowBytes, '\0');
  auto put32 = [&file](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = char(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, uint32_t(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  file[26] = 1;
  file[28] = char(bitsPerPixel);
  const uint32_t pixels[2][2] = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}};
  for (int row = 0; row < 2; ++row)
    for (int x = 0; x < 2; ++x)
      for (int c = 0; c < bitsPerPixel / 8; ++c)
        file[54 + row * rowBytes + x * (bitsPerPixel / 8) + c] = c < 3 ? char(pixels[row][x] >> (8 * c)) : '\0';
  return file;
}

TEST(Image, ReadsWindowsBitmapsOf24And32Bits) {
  testing_support::TempDir dir;
  for (int bits : {24, 32}) {
    testing_support::WriteFile(dir.File("p.bmp"), Bmp(bits));
    Image image;
    ASSERT_TRUE(LoadImageFile(dir.File("p.bmp"), image)) << bits;
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(image.at(0, 0) & 0xFFFFFF, 0x0000FFu) << bits << " bits: the top row comes first";
    EXPECT_EQ(image.at(1, 0) & 0xFFFFFF, 0xFFFFFFu) << bits;
    EXPECT_EQ(image.at(0, 1) & 0xFFFFFF, 0xFF0000u) << bits;
    EXPECT_EQ(image.at(1, 1) & 0xFFFFFF, 0x00FF00u) << bits;
  }
}

TEST(Image, MissingOrBadFilesAreRefused) {
  testing_support::TempDir dir;
  Image image(1, 1, 0xFFFFFFFF);
  EXPECT_FALSE(LoadImageFile(dir.File("none.png"), image));
  EXPECT_TRUE(image.empty());
  testing_support::WriteFile(dir.File("bad.png"), "\x89PNG\r\n\x1a\nnot really");
  EXPECT_FALSE(LoadImageFile(dir.File("bad.png"), image));
}

TEST(Image, DdsIsToldByItsMagicWhateverTheFileIsCalled) {
  testing_support::TempDir dir;
  Image picture(2, 1);
  picture.at(0, 0) = 0x80FF0000;
  picture.at(1, 0) = 0xFF00FF00;
  for (const char* name : {"p.dds", "p.png", "p"}) {
    testing_support::WriteFile(dir.File(name), EncodeDds(picture, DdsFormat::A8R8G8B8));
    Image back;
    ASSERT_TRUE(LoadImageFile(dir.File(name), back)) << name;
    EXPECT_EQ(back.pixels, picture.pixels) << name;
  }
}

TEST(Image, FoldersAndUnreadableFilesAreRefused) {
  testing_support::TempDir dir;
  testing_support::MakeFolder(dir.File("folder.png"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.dds"));
  for (const char* name : {"folder.png", "unreadable.dds"}) {
    Image image(1, 1);
    EXPECT_FALSE(LoadImageFile(dir.File(name), image)) << name;
    EXPECT_TRUE(image.empty()) << name;
  }
}

}  // namespace
}  // namespace platform
