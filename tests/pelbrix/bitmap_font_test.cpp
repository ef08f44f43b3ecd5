// The bitmap font's layout, on the recording device, and its glyphs against the real font.png.
#include "pelbrix/bitmap_font.h"

#include <gtest/gtest.h>

#include "pelbrix/game/font_table.h"
#include "platform/game_path.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "tests/support/offscreen.h"

namespace {

using platform::DrawRecord;

const std::string kFontPng = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/Files/font.png";

class FontLayout : public ::testing::Test {
 protected:
  FontLayout()
      : window(host.CreateWindow({})),
        device(window->CreateRenderDevice({800, 600, true, true})),
        recorder(static_cast<platform::RecordingRenderDevice&>(*device)),
        font(device.get(), *platform::GamePath(kFontPng), kFontTable, 0.0625f, 0.125f, 16, 32, 2, 2) {}

  // The quads drawn so far: their top-left corners, sizes, texture origins and colours.
  std::vector<DrawRecord> Quads() {
    std::vector<DrawRecord> quads;
    for (const DrawRecord& r : recorder.pending())
      if (r.kind == DrawRecord::Kind::Screen) quads.push_back(r);
    return quads;
  }

  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::RenderDevice> device;
  platform::RecordingRenderDevice& recorder;
  BitmapFont font;
};

TEST_F(FontLayout, ScoreGlyphsSitSixteenPixelsApart) {
  ASSERT_NE(font.texture.texture, nullptr) << kFontPng;
  font.DrawText("SCORE", 100, 40, 0xFFFFFFFF);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 5u);
  const float xs[] = {100, 116, 132, 148, 164};
  for (int i = 0; i < 5; ++i) {
    const auto& v = quads[i].vertices;
    EXPECT_FLOAT_EQ(v[0].x, xs[i]);
    EXPECT_FLOAT_EQ(v[0].y, 40);
    EXPECT_FLOAT_EQ(v[3].x - v[0].x, 16);
    EXPECT_FLOAT_EQ(v[3].y - v[0].y, 32);
    EXPECT_EQ(quads[i].state.texture, font.texture.texture.get());
  }
  // 'S' is cell 14 of row 1: u = 14 / 16, v = 1 / 8, one cell wide and high.
  EXPECT_FLOAT_EQ(quads[0].vertices[0].u, 0.875f);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].v, 0.125f);
  EXPECT_FLOAT_EQ(quads[0].vertices[3].u, 0.9375f);
  EXPECT_FLOAT_EQ(quads[0].vertices[3].v, 0.25f);
}

TEST_F(FontLayout, CharactersWithoutACellOnlyAdvance) {
  font.DrawText("1ST SCORE", 0, 0, 0xFFFFFFFF);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 8u) << "the space draws nothing";
  EXPECT_FLOAT_EQ(quads[3].vertices[0].x, 64) << "but still takes its advance";
  recorder.Present();
  font.DrawText("ab\x80\xFF\nx", 0, 0, 0xFFFFFFFF);  // only the 'x' has a cell
  quads = Quads();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].x, 80);
  recorder.Present();
  font.DrawText("", 0, 0, 0xFFFFFFFF);
  EXPECT_TRUE(Quads().empty());
}

TEST_F(FontLayout, ShadowCopyComesFirstAtTheShadowOffset) {
  font.DrawShadowText("OK", 10, 20, 0xFFFFFFFF, 0x80000000);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].x, 12);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].y, 22);
  EXPECT_EQ(quads[0].vertices[0].color, 0x80000000u);
  EXPECT_FLOAT_EQ(quads[2].vertices[0].x, 10);
  EXPECT_FLOAT_EQ(quads[2].vertices[0].y, 20);
  EXPECT_EQ(quads[2].vertices[0].color, 0xFFFFFFFFu);
}

TEST_F(FontLayout, GlyphsModulateTextureByColourForColourAndAlpha) {
  font.DrawText("A", 0, 0, 0x80FF0000);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_EQ(quads[0].state.colorOp, platform::TextureOp::Modulate);
  EXPECT_EQ(quads[0].state.alphaOp, platform::TextureOp::Modulate);
}

TEST(FontTable, CharacterTwiceTakesItsLastCell) {
  platform::HeadlessHost host;
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({64, 64, true, true});
  BitmapFont font(device.get(), "missing.png", "AB\x80" "A", 0.25f, 0.5f, 8, 8, 1, 1);
  EXPECT_FLOAT_EQ(font.u[int('A')], 0.75f);
  EXPECT_FLOAT_EQ(font.v[int('A')], 0.0f);
  EXPECT_FLOAT_EQ(font.u[0x80], 0.5f) << "the table decides, not the byte value";
  EXPECT_FLOAT_EQ(font.u[int('C')], -1.0f);
}

TEST(FontTable, MissingImageDrawsUntexturedQuadsWithTheSameLayout) {
  platform::HeadlessHost host;
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({64, 64, true, true});
  auto& recorder = static_cast<platform::RecordingRenderDevice&>(*device);
  BitmapFont font(device.get(), "no\\such\\font.png", kFontTable, 0.0625f, 0.125f, 16, 32, 2, 2);
  font.DrawText("AB", 5, 5, 0xFFFFFFFF);
  ASSERT_EQ(recorder.pending().size(), 2u);
  EXPECT_EQ(recorder.pending()[1].state.texture, nullptr);
  EXPECT_FLOAT_EQ(recorder.pending()[1].vertices[0].x, 21);
}

TEST(FontImage, EveryCharacterDrawsItsOwnCellOfFontPng) {
  // Drawn 1:1 and point-sampled, each glyph shows exactly the pixels of its cell.
  testing_support::OffscreenDevice gl(256, 32);
  ASSERT_NE(gl.device, nullptr);
  platform::Image sheet;
  ASSERT_TRUE(platform::LoadImageFile(kFontPng, sheet));
  ASSERT_EQ(sheet.width, 256);
  ASSERT_EQ(sheet.height, 256);
  BitmapFont font(gl.device.get(), *platform::GamePath(kFontPng), kFontTable, 0.0625f, 0.125f, 16, 32, 2, 2);
  gl.device->state.lighting = false;
  gl.device->state.blendEnabled = false;
  const std::string table = kFontTable;
  for (size_t row = 0; row < 4; ++row) {
    gl.device->Clear(platform::kClearTarget, 0, 1);
    font.DrawText(table.substr(row * 16, 16), 0, 0, 0xFFFFFFFF);
    platform::Image drawn = gl.Read();
    int inked = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 256; ++x) {
        uint32_t want = sheet.at(x, int(row) * 32 + y);
        ASSERT_EQ(testing_support::Hex(drawn.at(x, y)), testing_support::Hex(want))
            << "row " << row << " pixel " << x << "," << y;
        inked += (want >> 24) > 128;
      }
    EXPECT_GT(inked, 16 * 20) << "row " << row << " has glyphs with ink";
  }
}

}  // namespace
