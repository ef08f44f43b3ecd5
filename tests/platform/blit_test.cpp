#include "platform/blit.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Blit, CopyAndOrCombineTheColourAndKeepTheAlpha) {
  Image back(2, 1, 0x80F0F0F0);
  Image source(2, 1, 0xFF0F00FF);
  Blit(back, 0, 0, 1, 1, source, 0, 0, RasterOp::Copy);
  Blit(back, 1, 0, 1, 1, source, 0, 0, RasterOp::And);
  EXPECT_EQ(back.at(0, 0), 0x800F00FFu);
  EXPECT_EQ(back.at(1, 0), 0x800000F0u);
  Blit(back, 1, 0, 1, 1, source, 1, 0, RasterOp::Or);
  EXPECT_EQ(back.at(1, 0), 0x800F00FFu);
}

TEST(Blit, ClipsAgainstBothPictures) {
  Image back(4, 4, 0);
  Image source(3, 3, 0xFFFFFFFF);
  source.at(0, 0) = 0x00112233;
  Blit(back, -1, -1, 3, 3, source, 0, 0, RasterOp::Copy);  // off the top-left corner
  EXPECT_EQ(back.at(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(back.at(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(back.at(2, 2), 0u);
  Blit(back, 3, 3, 10, 10, source, 0, 0, RasterOp::Copy);  // past the bottom-right
  EXPECT_EQ(back.at(3, 3), 0x00112233u);
  Blit(back, 0, 0, 4, 4, source, 2, 2, RasterOp::Copy);  // the source runs out first
  EXPECT_EQ(back.at(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(back.at(1, 0), 0x00FFFFFFu) << "unchanged: outside what the source had";
  Image empty;
  Blit(back, 0, 0, 4, 4, empty, 0, 0, RasterOp::Copy);  // a missing picture draws nothing
  EXPECT_EQ(back.at(3, 3), 0x00112233u);
}

}  // namespace
}  // namespace platform
