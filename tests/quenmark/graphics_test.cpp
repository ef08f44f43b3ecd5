// The side-bar shooter's graphics and keyboard: which part of a picture a sprite shows, what is
// drawn and what is not, the camera's +y down, the batched frame against drawing sprite by
// sprite, and the input word.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/d3d_math.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "platform/key_codes.h"
#include "quenmark/keyboard.h"
#include "quenmark/sprite_graphics.h"
#include "tests/quenmark/fake_pictures.h"
#include "tests/support/environment.h"

namespace {

TEST(QuenmarkGraphics, ACellIsACharacterOfTheSheetAStripOrTheWholePicture) {
  const CellRect zero = SpriteGraphics::QuadCell(kAsciiTexture, 48);
  EXPECT_FLOAT_EQ(zero.u0, 0);
  EXPECT_FLOAT_EQ(zero.v0, 3 * 0.0625f);
  EXPECT_FLOAT_EQ(zero.u1, 0.0625f);
  const CellRect last = SpriteGraphics::QuadCell(kAsciiTexture, 255 + 256);  // only the low byte counts
  EXPECT_FLOAT_EQ(last.u0, 15 * 0.0625f);
  EXPECT_FLOAT_EQ(last.v1, 1.0f);
  const CellRect whole = SpriteGraphics::QuadCell(kShipTexture, kWholePicture);
  EXPECT_FLOAT_EQ(whole.u1, 1);
  EXPECT_FLOAT_EQ(whole.v1, 1);
  const CellRect strip = SpriteGraphics::QuadCell(kShipTexture, 10);  // 10 & 7 = 2
  EXPECT_FLOAT_EQ(strip.v0, 0.25f);
  EXPECT_FLOAT_EQ(strip.v1, 0.375f);
  EXPECT_FLOAT_EQ(strip.u1, 1);
}

TEST(QuenmarkGraphics, ASpriteIsASquareOfEightTimesItsScalePulledTowardsTheEye) {
  Sprite s;
  s.x = 30;
  s.y = -40;
  s.scale = 2;
  s.texture = kShipTexture;
  s.cell = kWholePicture;
  platform::WorldVertex c[4];
  SpriteGraphics::SpriteCorners(s, c);
  const platform::Vector3 pull = platform::Normalize({30, -40, -300});
  EXPECT_FLOAT_EQ(c[0].x, 30 - 8 - 2.5f * pull.x);
  EXPECT_FLOAT_EQ(c[3].y, -40 + 8 - 2.5f * pull.y);
  EXPECT_FLOAT_EQ(c[0].z, -2.5f * pull.z);
  EXPECT_GT(c[0].z, 0) << "towards the eye at z = 300";
  EXPECT_FLOAT_EQ(c[1].u, 1);
  EXPECT_FLOAT_EQ(c[2].v, 1);
}

class QuenmarkFrame : public ::testing::Test {
 protected:
  static platform::HeadlessOptions Options(platform::HeadlessDrawing drawing) {
    platform::HeadlessOptions o;
    o.drawing = drawing;
    return o;
  }
  void Start(platform::HeadlessDrawing drawing) {
    host = std::make_unique<platform::HeadlessHost>(Options(drawing));
    platform::WindowDesc desc;
    desc.clientWidth = 320;
    desc.clientHeight = 240;
    window = host->CreateWindow(desc);
    graphics = std::make_unique<SpriteGraphics>(*host);
    ASSERT_TRUE(graphics->InitGraphics(*window, false));
    ASSERT_TRUE(quenmark_test::WriteFakePictures(work.path()));
    ASSERT_TRUE(graphics->LoadAllTextures());
    pools = std::make_unique<SpritePools>();
    pools->Reset();
  }
  Sprite& Place(Sprite& s, float x, float y, float scale, int texture, int kind = 2) {
    s.x = x, s.y = y, s.scale = scale, s.texture = texture, s.cell = kWholePicture, s.kind = kind;
    return s;
  }
  platform::Image Read() {
    platform::Image image;
    graphics->device()->ReadBackBuffer(image);
    return image;
  }
  // Where on the 320 x 240 back buffer a world point at z = 0 is seen.
  platform::Point Screen(float x, float y) {
    const float unitsPerPixel = 2 * 300 * std::tan(0.7853982f / 2) / 240;
    return {int(160 + x / unitsPerPixel), int(120 + y / unitsPerPixel)};
  }

  testing_support::TempWorkingFolder work;
  std::unique_ptr<platform::HeadlessHost> host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<SpriteGraphics> graphics;
  std::unique_ptr<SpritePools> pools;
};

TEST_F(QuenmarkFrame, OnlySpritesInUseWithATextureWithinTheDrawnRangesAreDrawn) {
  Start(platform::HeadlessDrawing::None);
  Place(pools->play[0], 0, 0, 1, kShotTexture);
  Place(pools->play[1], 0, 0, 1, kShotTexture, 0);   // free
  Place(pools->play[2], 0, 0, 1, kNoTexture);        // no picture
  Place(pools->play[1599], 0, 0, 1, kShotTexture);
  Place(pools->play[1600], 0, 0, 1, kShotTexture);   // exists, never drawn
  Place(pools->screen[199], 0, 0, 1, kSideBarTexture, 4);
  Place(pools->screen[200], 0, 0, 1, kSideBarTexture, 4);
  Place(pools->scoreText[15], 0, 0, 1, kAsciiTexture, 4);
  Place(pools->lifeIcons[9], 0, 0, 1, kLifeTexture, 4);
  graphics->DrawFrame(*pools);
  auto& device = static_cast<platform::RecordingRenderDevice&>(*graphics->device());
  int quads = 0;
  for (const platform::DrawRecord& r : device.lastFrame()) quads += int(r.quads.size());
  EXPECT_EQ(quads, 5) << "play 0 and 1599; screen 199, a score character and a life icon";
  EXPECT_EQ(device.lastFrame()[0].clearColor, 0xFF7F0023u);
}

TEST_F(QuenmarkFrame, WorldYRunsDownAndTheOverlayLiesOverThePlaySprites) {
  Start(platform::HeadlessDrawing::OffscreenGl);
  Place(pools->play[0], 0, -60, 2, kShipTexture);
  Place(pools->play[1], 0, 60, 2, kEnemyTexture);
  Place(pools->screen[0], 40, 0, 3, kTitleTexture, 4);
  Place(pools->play[2], 40, 0, 3, kShotTexture);  // under the overlay's picture, though later
  graphics->DrawFrame(*pools);
  const platform::Image image = Read();
  auto at = [&](float x, float y) {
    const platform::Point p = Screen(x, y);
    return image.at(p.x, p.y);
  };
  EXPECT_EQ(at(0, -60), quenmark_test::FakeColour(kShipTexture)) << "y -60 is above the centre";
  EXPECT_EQ(at(0, 60), quenmark_test::FakeColour(kEnemyTexture));
  EXPECT_EQ(at(40, 0), quenmark_test::FakeColour(kTitleTexture));
  EXPECT_EQ(at(-100, 0), SpriteGraphics::kClearColour);
}

TEST_F(QuenmarkFrame, TheBatchedFrameIsThePictureOfDrawingSpriteBySpriteInPoolOrder) {
  Start(platform::HeadlessDrawing::OffscreenGl);
  // Overlapping sprites of three pictures, interleaved, some in the same place.
  const int textures[3] = {kShotTexture, kEnemyTexture, kEnemyBulletTexture};
  for (int i = 0; i < 60; ++i)
    Place(pools->play[size_t(i)], float(i % 10) * 9 - 45, float(i / 10) * 7 - 20, 1.5f + float(i % 3), textures[i % 3]);
  Place(pools->play[60], 0, 0, 4, kShipTexture);
  Place(pools->play[61], 0, 0, 4, kEnemyTexture);  // same place, same depth: the later covers
  graphics->DrawFrame(*pools);
  const platform::Image batched = Read();

  // The same frame, one sprite at a time with its own world matrix, as the quad buffer does.
  platform::RenderDevice& device = *graphics->device();
  device.Clear(platform::kClearTarget | platform::kClearDepth, SpriteGraphics::kClearColour, 1);
  for (int i = 0; i < 62; ++i) {
    const Sprite& s = pools->play[size_t(i)];
    const platform::Vector3 pull = platform::Normalize({s.x, s.y, s.z - 300});
    device.state.world = platform::MatrixScaling(s.scale, s.scale, s.scale) *
                         platform::MatrixTranslation(s.x, s.y, s.z) *
                         platform::MatrixTranslation(-2.5f * pull.x, -2.5f * pull.y, -2.5f * pull.z);
    device.state.texture = graphics->texture(s.texture);
    const platform::WorldVertex quad[4] = {{-4, -4, 0, 0xFFFFFFFF, 0, 0}, {4, -4, 0, 0xFFFFFFFF, 1, 0},
                                           {-4, 4, 0, 0xFFFFFFFF, 0, 1}, {4, 4, 0, 0xFFFFFFFF, 1, 1}};
    device.DrawWorldPrimitive(platform::PrimitiveType::TriangleStrip, quad, 4);
  }
  const platform::Image oneByOne = Read();
  int different = 0;
  for (size_t i = 0; i < batched.pixels.size(); ++i) different += batched.pixels[i] != oneByOne.pixels[i];
  EXPECT_LE(different, 0) << "pixels that differ";
  const platform::Point centre = Screen(0, 0);
  EXPECT_EQ(batched.at(centre.x, centre.y), quenmark_test::FakeColour(kEnemyTexture));
}

TEST(QuenmarkKeyboard, TheWordHasABitPerActionAndSaysWhenTheKeyboardCannotBeRead) {
  namespace dik = platform::dik;
  platform::KeyboardState keys{};
  for (uint8_t k : {dik::NUMPAD4, dik::Z, dik::RSHIFT, dik::DELETE_, dik::RETURN}) keys[k] = 0x80;
  EXPECT_EQ(Keyboard::WordOf(keys), input_bits::kLeft | input_bits::kZ | input_bits::kShift |
                                        input_bits::kBackspace | input_bits::kEnter);
  keys.fill(0);
  keys[dik::UP] = 0x80;
  keys[dik::DOWN] = 0x80;
  keys[dik::ESCAPE] = 0x80;  // not an action
  EXPECT_EQ(Keyboard::WordOf(keys), input_bits::kUp | input_bits::kDown);

  platform::HeadlessHost host;
  auto window = host.CreateWindow({});
  Keyboard keyboard(host.input(), *window);
  host.KeyDown(0, dik::X);
  host.SetFocus(20, false);
  host.SetFocus(40, true);
  auto at = [&](double ms) {
    host.virtualClock().AdvanceTo(uint64_t(ms * 1000));
    platform::Event e;
    while (window->PollEvent(e)) {
    }
    return keyboard.ReadKeyboard();
  };
  EXPECT_EQ(at(10), input_bits::kX);
  EXPECT_EQ(at(30), input_bits::kUnreadable) << "another window has the keyboard";
  EXPECT_EQ(at(50), 0u) << "the tick that takes it back sees no key";
  EXPECT_EQ(at(60), input_bits::kX);
}

}  // namespace
