// Fonts by Windows' font height, and the files that are not fonts.
#include "platform/truetype_font.h"

#include <gtest/gtest.h>

#include "platform/font_files.h"
#include "platform/text_encoding.h"
#include "tests/support/temp_dir.h"

namespace platform {
namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

TEST(TrueTypeFont, PositiveHeightIsTheCellAndNegativeHeightTheEm) {
  // DejaVu Sans's ascent plus descent is about 1.16 em, so the two readings differ.
  auto cell = TrueTypeFont::Open(kDejaVuSans, 14);
  auto em = TrueTypeFont::Open(kDejaVuSans, -14);
  ASSERT_TRUE(cell && em) << "fonts-dejavu-core";
  EXPECT_EQ(cell->cellHeight(), 14);
  EXPECT_GE(em->cellHeight(), 16) << "an em of 14 pixels has a taller cell";
  // The games' Gothic faces have a cell of exactly one em: both readings agree.
  auto gothic = TrueTypeFont::Open(FontFileForFace(Cp932Literal("ＭＳ　Ｐゴシック")), 12);
  auto gothicEm = TrueTypeFont::Open(FontFileForFace(Cp932Literal("ＭＳ　Ｐゴシック")), -12);
  ASSERT_TRUE(gothic && gothicEm) << "fonts-ipafont-gothic";
  EXPECT_EQ(gothic->cellHeight(), 12);
  EXPECT_EQ(gothicEm->cellHeight(), 12);
  EXPECT_GT(TrueTypeFont::Open(kDejaVuSans, 0)->cellHeight(), 12) << "height 0 is a default size";
}

TEST(TrueTypeFont, WhatIsNotAFontOpensNothing) {
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("text.ttf"), "not a font at all");
  testing_support::MakeFolder(dir.File("folder.ttf"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ttf"));
  for (const char* name : {"missing.ttf", "text.ttf", "folder.ttf", "unreadable.ttf"})
    EXPECT_EQ(TrueTypeFont::Open(dir.File(name), 12), nullptr) << name;
  EXPECT_EQ(TrueTypeFont::Open(kDejaVuSans, 100000), nullptr) << "a size beyond any glyph texture";
  EXPECT_EQ(TrueTypeFont::Open(kDejaVuSans, -2147483647 - 1), nullptr);
}

TEST(TrueTypeFont, GlyphsSitOnOneBaseline) {
  auto font = TrueTypeFont::Open(kDejaVuSans, 20);
  ASSERT_NE(font, nullptr);
  GlyphBitmap x, p, space;
  ASSERT_TRUE(font->Render(U'x', x));
  ASSERT_TRUE(font->Render(U'p', p));
  ASSERT_TRUE(font->Render(U' ', space));
  EXPECT_NEAR(x.top + x.ink.height, font->ascent(), 1) << "x ends on the baseline";
  EXPECT_GT(p.top + p.ink.height, font->ascent() + 2) << "p reaches below it";
  EXPECT_TRUE(space.ink.empty());
  EXPECT_GT(space.advance, 0) << "a space has no ink but takes room";
  EXPECT_EQ(x.ink.at(x.ink.width / 2, 0) & 0x00FFFFFF, 0x00FFFFFFu) << "ink is coverage over white";
}

}  // namespace
}  // namespace platform
