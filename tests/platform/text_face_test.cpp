// Run-time text: faces by Windows' font height, lines placed as DrawText places them, drawn as
// pixels on the offscreen GL device and as calls on the recording device.
#include "platform/text_face.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/headless/recording_render_device.h"
#include "platform/text_encoding.h"
#include "tests/support/offscreen.h"

namespace platform {
namespace {

using testing_support::Hex;
using testing_support::Near;
using testing_support::OffscreenDevice;

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;

const std::string& ProportionalGothic() {
  static const std::string name = Cp932Literal("ＭＳ　Ｐゴシック");
  return name;
}
const std::string& FixedPitchGothic() {
  static const std::string name = Cp932Literal("ＭＳ　ゴシック");
  return name;
}

// The smallest rectangle holding every pixel that is not the background; right and bottom
// just outside. Empty (right == left) when nothing was drawn.
struct Ink {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left; }
  double centreX() const { return (left + right) / 2.0; }
  double centreY() const { return (top + bottom) / 2.0; }
};
Ink InkOf(const Image& image, uint32_t background = kBlack) {
  Ink ink{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.at(x, y) != background) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
      }
  if (ink.right <= ink.left) return {};
  return ink;
}

// The pixels of a rectangle, as a string that compares and hashes.
std::string Crop(const Image& image, int left, int top, int width, int height) {
  std::string bytes;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) bytes += Hex(image.at(x, y));
  return bytes;
}

class TextOnGl : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gl.device, nullptr) << "no offscreen GL context (EGL surfaceless with Mesa)";
    face = TextFace::Open(*gl.device, ProportionalGothic(), 12);
    ASSERT_NE(face, nullptr) << "the proportional Gothic stand-in must open (fonts-ipafont-gothic)";
    Clear();
  }
  void Clear(uint32_t color = kBlack) { gl.device->Clear(kClearTarget | kClearDepth, color, 1); }
  Image DrawAlone(const std::string& textCp932, const TextRect& rect,
                  TextAlign align = TextAlign::Left,
                  TextVerticalAlign vertical = TextVerticalAlign::Top) {
    Clear();
    EXPECT_TRUE(face->Draw(textCp932, kWhite, rect, align, vertical));
    return gl.Read();
  }

  OffscreenDevice gl{160, 64};
  std::unique_ptr<TextFace> face;
};

TEST_F(TextOnGl, CentredLineHasItsInkCentredInTheRectangle) {
  const TextRect rect{20, 10, 141, 50};  // an odd width: the half pixel must not add up
  for (const char* text : {"HOH", "FPS:60/60 [delay:none]", "WAVE"}) {
    Ink ink = InkOf(DrawAlone(text, rect, TextAlign::Center));
    ASSERT_FALSE(ink.empty()) << text;
    EXPECT_NEAR(ink.centreX(), (rect.left + rect.right) / 2.0, 1.0)
        << "centred text has as much room on its left as on its right: \"" << text << "\"";
    EXPECT_LT(ink.top - rect.top, face->cellHeight()) << "without vertical centring it keeps to the top";
  }
}

TEST_F(TextOnGl, VerticallyCentredLineHasItsInkCentredOnTheRectangleHeight) {
  const TextRect rect{0, 6, 160, 58};
  Ink ink = InkOf(DrawAlone(Cp932Literal("■H■"), rect, TextAlign::Center, TextVerticalAlign::Center));
  ASSERT_FALSE(ink.empty());
  EXPECT_NEAR(ink.centreY(), (rect.top + rect.bottom) / 2.0, 1.0);
  EXPECT_NEAR(ink.centreX(), (rect.left + rect.right) / 2.0, 1.0);
}

TEST_F(TextOnGl, LeftAlignedLineStartsAtTheLeftEdgeAndTheTop) {
  const TextRect rect{17, 9, 150, 40};
  Ink ink = InkOf(DrawAlone("H=1", rect));
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, rect.left);
  EXPECT_LE(ink.left, rect.left + 1) << "the first letter's ink begins at the edge, after its bearing";
  EXPECT_GE(ink.top, rect.top);
  EXPECT_LE(ink.bottom, rect.top + face->cellHeight()) << "a line without descenders stays in its cell";
}

TEST_F(TextOnGl, TextWiderThanTheRectangleIsNotCut) {
  const TextRect rect{70, 10, 90, 30};
  Ink ink = InkOf(DrawAlone("WIDE TEXT CENTRED", rect, TextAlign::Center));
  EXPECT_LT(ink.left, rect.left);
  EXPECT_GT(ink.right, rect.right);
  EXPECT_NEAR(ink.centreX(), 80.0, 1.0);
}

TEST_F(TextOnGl, JapaneseCharactersDrawTheirOwnGlyphsNotTheMissingGlyphBox) {
  const TextRect rect{8, 8, 40, 30};
  const int cell = face->cellHeight();
  // A character of CP932's user-defined area: no face has it, so it shows the missing box.
  const std::string box = Crop(DrawAlone("\xF0\x40", rect), 8, 8, 16, cell);
  ASSERT_FALSE(InkOf(DrawAlone("\xF0\x40", rect)).empty()) << "the missing-glyph box has ink";
  std::set<std::string> seen{box};
  for (const char* utf8 : {"あ", "ゴ", "シ", "漢", "字", "・", "ー"}) {
    Image image = DrawAlone(Cp932Literal(utf8), rect);
    EXPECT_FALSE(InkOf(image).empty()) << utf8 << " draws something";
    EXPECT_TRUE(seen.insert(Crop(image, 8, 8, 16, cell)).second)
        << utf8 << " looks like the missing-glyph box or like another character";
  }
  // A whole line of them is as wide as its characters.
  EXPECT_GT(face->Width(Cp932Literal("ゴシック")), 3 * cell);
}

TEST_F(TextOnGl, ColourAndItsAlphaAreBlendedOverTheTarget) {
  const TextRect rect{10, 10, 60, 40};
  const std::string square = Cp932Literal("■");
  Clear();
  face->Draw(square, 0xFF20C040, rect);
  Ink ink = InkOf(gl.Read());
  ASSERT_FALSE(ink.empty());
  const int x = int(ink.centreX()), y = int(ink.centreY());  // inside the square: full coverage
  EXPECT_EQ(Hex(gl.Read().at(x, y)), Hex(0xFF20C040));

  Clear(0xFF0000FF);
  face->Draw(square, 0x80FF0000, rect);
  uint32_t blended = gl.Read().at(x, y);
  EXPECT_TRUE(Near(blended & 0x00FFFFFF, 0x80007F, 2))
      << "half-transparent red over blue is half of each: " << Hex(blended);
}

TEST_F(TextOnGl, DrawingLeavesTheRenderStateAsItWas) {
  auto texture = gl.device->CreateTexture(Image(2, 2, 0xFF3080C0));
  RenderState& s = gl.device->state;
  s.viewport = {0, 0, 160, 64, 0, 1};
  s.blendEnabled = false;
  s.srcBlend = BlendFactor::DestColor;
  s.destBlend = BlendFactor::Zero;
  s.alphaTestEnabled = true;
  s.alphaFunc = CompareFunc::Greater;
  s.alphaRef = 7;
  s.depthTest = true;
  s.depthWrite = true;
  s.depthFunc = CompareFunc::Less;
  s.cull = CullMode::Clockwise;
  s.texture = texture.get();
  s.colorOp = TextureOp::SelectTexture;
  s.alphaOp = TextureOp::SelectDiffuse;
  s.minFilter = s.magFilter = TextureFilter::Linear;
  s.mipFilter = TextureFilter::Linear;
  const RenderState before = s;
  face->Draw("state", kWhite, {0, 0, 160, 20}, TextAlign::Center);
  EXPECT_EQ(s.blendEnabled, before.blendEnabled);
  EXPECT_EQ(s.srcBlend, before.srcBlend);
  EXPECT_EQ(s.destBlend, before.destBlend);
  EXPECT_EQ(s.alphaTestEnabled, before.alphaTestEnabled);
  EXPECT_EQ(s.alphaFunc, before.alphaFunc);
  EXPECT_EQ(s.alphaRef, before.alphaRef);
  EXPECT_EQ(s.depthTest, before.depthTest);
  EXPECT_EQ(s.depthWrite, before.depthWrite);
  EXPECT_EQ(s.depthFunc, before.depthFunc);
  EXPECT_EQ(s.cull, before.cull);
  EXPECT_EQ(s.texture, before.texture);
  EXPECT_EQ(s.colorOp, before.colorOp);
  EXPECT_EQ(s.alphaOp, before.alphaOp);
  EXPECT_EQ(s.minFilter, before.minFilter);
  EXPECT_EQ(s.magFilter, before.magFilter);
  EXPECT_EQ(s.mipFilter, before.mipFilter);
  // And a quad drawn afterwards still gets the game's states: its texture, not the glyphs'.
  ScreenVertex quad[4] = {{100, 40, 0, 1, kWhite, 0, 0}, {110, 40, 0, 1, kWhite, 1, 0},
                          {100, 50, 0, 1, kWhite, 0, 1}, {110, 50, 0, 1, kWhite, 1, 1}};
  s.alphaTestEnabled = false;
  s.cull = CullMode::None;
  gl.device->DrawScreenPrimitive(PrimitiveType::TriangleStrip, quad, 4);
  EXPECT_EQ(Hex(gl.Read().at(105, 45)), Hex(0xFF3080C0));
}

TEST_F(TextOnGl, GlyphsDrawTheSameAfterTheGlyphTextureStartsOver) {
  const TextRect rect{4, 4, 156, 40};
  const Image before = DrawAlone("HOH 60", rect);
  // Far more different characters than one 256 x 256 texture of 12-pixel glyphs holds.
  int drawn = 0;
  for (char32_t c = 0x4E00; drawn < 1200; ++c) {
    char utf8[4] = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F)), 0};
    std::optional<std::string> kanji = Cp932FromUtf8(utf8);
    if (!kanji) continue;
    ++drawn;
    EXPECT_TRUE(face->Draw(*kanji + *kanji, kWhite, rect)) << "a glyph that did not fit is retried in a fresh texture";
  }
  const Image after = DrawAlone("HOH 60", rect);
  EXPECT_EQ(before.pixels, after.pixels) << "a line looks the same after its glyphs were drawn again";
}

TEST(TextOnScreen, TheFrameCounterAndVersionLinesKeepToTheirHalves) {
  OffscreenDevice gl(640, 40);
  ASSERT_NE(gl.device, nullptr);
  auto face = TextFace::Open(*gl.device, ProportionalGothic(), 12);
  ASSERT_NE(face, nullptr);
  const uint32_t background = 0xFF000040;
  gl.device->Clear(kClearTarget | kClearDepth, background, 1);
  face->Draw("FPS:60/60 [delay:none]", 0xFFFF0000, {0, 4, 240, 32}, TextAlign::Center);
  face->Draw("Tiltwell 0.50a [2008/04/30(Wed)]", 0xFF660066, {240, 4, 640, 32}, TextAlign::Center);
  face->Draw(Cp932Literal("終了しますか？"), 0xFFFFFFFF, {0, 20, 640, 40}, TextAlign::Center);
  Image screen = gl.Read();
  std::string folder = std::string(GAMES_LAYOUT_DIR) + "/../screenshots";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(SavePng(folder + "/text-lines.png", screen));

  Image fpsHalf(240, 20), versionHalf(400, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 240; ++x) fpsHalf.at(x, y) = screen.at(x, y);
    for (int x = 0; x < 400; ++x) versionHalf.at(x, y) = screen.at(240 + x, y);
  }
  Ink fps = InkOf(fpsHalf, background), version = InkOf(versionHalf, background);
  EXPECT_NEAR(fps.centreX(), 120, 1);
  EXPECT_NEAR(version.centreX(), 200, 1);
  EXPECT_GT(fps.left, 0);
  EXPECT_GT(version.left, 0) << "the version line stays right of the frame counter's rectangle";
}

TEST(TextFace, FixedPitchGothicHasOneAdvanceForEveryHalfWidthLetter) {
  RecordingRenderDevice device(640, 480, nullptr);
  auto fixed = TextFace::Open(device, FixedPitchGothic(), 12);
  auto proportional = TextFace::Open(device, ProportionalGothic(), 12);
  auto unknown = TextFace::Open(device, "Some Face We Do Not Have", 12);
  ASSERT_TRUE(fixed && proportional && unknown);
  EXPECT_EQ(fixed->Width("iiii"), fixed->Width("WWWW"));
  EXPECT_LT(proportional->Width("iiii"), proportional->Width("WWWW"));
  EXPECT_EQ(unknown->Width("iiii WWWW"), proportional->Width("iiii WWWW"))
      << "a face we do not know is drawn with the proportional Gothic";
}

TEST(TextFace, TheSameLinesDrawnAgainUploadNothing) {
  RecordingRenderDevice device(640, 480, nullptr);
  auto face = TextFace::Open(device, ProportionalGothic(), 12);
  ASSERT_NE(face, nullptr);
  const std::string fps = "FPS:60/60 [delay:none]", version = "Tiltwell 0.50a [2008/04/30(Wed)]";
  auto frame = [&] {
    EXPECT_TRUE(face->Draw(fps, 0xFFFF0000, {0, 4, 240, 32}, TextAlign::Center));
    EXPECT_TRUE(face->Draw(version, 0xFF660066, {240, 4, 640, 32}, TextAlign::Center));
    device.Present();
  };
  frame();
  EXPECT_EQ(device.textureUpdateCount(), 2) << "each line's new glyphs go up in one update";
  ASSERT_EQ(device.lastFrame().size(), 2u) << "each line is one draw call";
  for (const DrawRecord& line : device.lastFrame()) {
    EXPECT_EQ(line.primitive, PrimitiveType::TriangleList);
    EXPECT_EQ(line.vertices.size() % 6, 0u);
    EXPECT_TRUE(line.state.blendEnabled);
    EXPECT_EQ(line.state.srcBlend, BlendFactor::SrcAlpha);
    EXPECT_EQ(line.state.destBlend, BlendFactor::InvSrcAlpha);
    EXPECT_FALSE(line.state.depthTest) << "text lies over whatever was drawn";
  }
  EXPECT_EQ(device.lastFrame()[0].vertices[0].color, 0xFFFF0000u);

  frame();
  frame();
  EXPECT_EQ(device.textureUpdateCount(), 2) << "glyphs already in the texture are not uploaded again";
  EXPECT_EQ(device.lastFrame().size(), 2u);
  face->Draw("FPS:58/60 [delay:none]", 0xFFFF0000, {0, 4, 240, 32}, TextAlign::Center);
  EXPECT_EQ(device.textureUpdateCount(), 2) << "every character of a changed count is known";
  face->Draw("Quit?", 0xFFFF0000, {0, 4, 240, 32});
  EXPECT_EQ(device.textureUpdateCount(), 3);
}

TEST(TextFace, EmptyAndControlCharactersDrawNothing) {
  RecordingRenderDevice device(640, 480, nullptr);
  auto face = TextFace::Open(device, ProportionalGothic(), 12);
  ASSERT_NE(face, nullptr);
  EXPECT_TRUE(face->Draw("", kWhite, {0, 0, 100, 20}));
  EXPECT_TRUE(face->Draw(" \t\r\n", kWhite, {0, 0, 100, 20}));
  EXPECT_TRUE(device.pending().empty());
  EXPECT_EQ(face->Width("a\nb"), face->Width("ab")) << "one line: a line feed takes no room";
}

}  // namespace
}  // namespace platform
