// Picture files as textures, loaded the way the games' texture loader does it.
#include "platform/texture_file.h"

#include <gtest/gtest.h>

#include "platform/dds_header.h"
#include "platform/headless/recording_render_device.h"
#include "tests/support/offscreen.h"
#include "tests/support/temp_dir.h"

namespace platform {
namespace {

using testing_support::Hex;

class TextureFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gl.device, nullptr);
    RenderDevice& d = *gl.device;
    d.Clear(kClearTarget | kClearDepth, 0xFF000000, 1);
    d.state.lighting = false;
    d.state.cull = CullMode::None;
    d.state.colorOp = TextureOp::SelectTexture;
  }

  // The texture drawn whole onto the rectangle (0, 0, width, height), texel for pixel when the
  // sizes match; the back buffer read back.
  Image DrawWhole(const DeviceTexture* texture, float width, float height) {
    RenderDevice& d = *gl.device;
    d.state.texture = texture;
    const ScreenVertex quad[4] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0},
                                  {width, 0, 0, 1, 0xFFFFFFFF, 1, 0},
                                  {0, height, 0, 1, 0xFFFFFFFF, 0, 1},
                                  {width, height, 0, 1, 0xFFFFFFFF, 1, 1}};
    d.DrawScreenPrimitive(PrimitiveType::TriangleStrip, quad, 4);
    return gl.Read();
  }

  testing_support::OffscreenDevice gl{64, 64};
  testing_support::TempDir dir;
};

TEST_F(TextureFile, PictureIsStretchedToPowersOfTwoAndKeepsItsOwnSize) {
  Image picture(20, 10, 0xFF00FF00);
  picture.at(0, 0) = 0xFFFF0000;
  picture.at(19, 9) = 0xFF0000FF;
  ASSERT_TRUE(SavePng(dir.File("pic.png"), picture));
  LoadedTexture loaded;
  ASSERT_TRUE(LoadTextureFile(*gl.device, dir.File("pic.png"), loaded));
  ASSERT_NE(loaded.texture, nullptr);
  EXPECT_EQ(loaded.textureWidth, 32);
  EXPECT_EQ(loaded.textureHeight, 16);
  EXPECT_EQ(loaded.texture->width(), 32) << "the device's texture is the stretched one";
  EXPECT_EQ(loaded.imageWidth, 20);
  EXPECT_EQ(loaded.imageHeight, 10);
  // The whole texture is the whole picture: its corners are the picture's corners.
  Image out = DrawWhole(loaded.texture.get(), 32, 16);
  EXPECT_EQ(Hex(out.at(0, 0)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(out.at(31, 15)), Hex(0xFF0000FF));
  EXPECT_EQ(Hex(out.at(16, 8)), Hex(0xFF00FF00));
}

TEST_F(TextureFile, DdsTextureShowsThePicturesOwnPixels) {
  // One DXT1 block: columns red, blue, two thirds red, one third red.
  DdsHeader h;
  h.width = h.height = 4;
  h.pixelFormat.flags = kDdpfFourCC;
  h.pixelFormat.fourCC = FourCC("DXT1");
  std::string file = WriteDdsHeader(h) + std::string("\x00\xF8\x1F\x00\xE4\xE4\xE4\xE4", 8);
  testing_support::WriteFile(dir.File("cells.dds"), file);
  LoadedTexture loaded;
  ASSERT_TRUE(LoadTextureFile(*gl.device, dir.File("cells.dds"), loaded));
  EXPECT_EQ(loaded.textureWidth, 4);
  EXPECT_EQ(loaded.imageWidth, 4);
  Image out = DrawWhole(loaded.texture.get(), 4, 4);
  const uint32_t columns[4] = {0xFFFF0000, 0xFF0000FF, 0xFFAA0055, 0xFF5500AA};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(Hex(out.at(x, y)), Hex(columns[x])) << "texel " << x << ", " << y;
}

TEST(TextureFileRefusal, FilesThatAreNoPictureGiveNoTexture) {
  testing_support::TempDir dir;
  testing_support::MakeFolder(dir.File("folder.png"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.png"));
  testing_support::WriteFile(dir.File("text.dds"), "DDS but not a picture");
  RecordingRenderDevice device(64, 64, nullptr);
  for (const char* name : {"missing.png", "folder.png", "unreadable.png", "text.dds"}) {
    LoadedTexture loaded;
    loaded.textureWidth = loaded.imageWidth = 7;
    EXPECT_FALSE(LoadTextureFile(device, dir.File(name), loaded)) << name;
    EXPECT_EQ(loaded.texture, nullptr) << name;
    EXPECT_EQ(loaded.textureWidth + loaded.textureHeight + loaded.imageWidth + loaded.imageHeight, 0)
        << name << ": no sizes without a texture";
  }
}

}  // namespace
}  // namespace platform
