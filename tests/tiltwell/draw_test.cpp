// The maze game's drawing layer on the recording device: quads in their order and places, the
// time counter's digits, the fade's 61 frames, and the device's failure message.
#include "tiltwell/draw.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "platform/game_path.h"
#include "platform/image.h"
#include "platform/text_encoding.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::DrawRecord;

class MazeDrawing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(draw.Init(*window, true), 0); }
  const std::vector<DrawRecord>& calls() {
    return static_cast<platform::RecordingRenderDevice&>(*draw.device()).pending();
  }
  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window = host.CreateWindow({});
  DRAW draw{host};
};

TEST_F(MazeDrawing, ATileIsA32PixelFanWithItsCellInsetByAFiveHundredTwelfth) {
  draw.DrawTile(64, 96, 3, 5, 0);
  ASSERT_EQ(calls().size(), 1u);
  const DrawRecord& quad = calls()[0];
  EXPECT_EQ(quad.primitive, platform::PrimitiveType::TriangleFan);
  ASSERT_EQ(quad.vertices.size(), 4u);
  EXPECT_FLOAT_EQ(quad.vertices[0].x, 64);  // top-left, top-right, bottom-right, bottom-left
  EXPECT_FLOAT_EQ(quad.vertices[1].x, 96);
  EXPECT_FLOAT_EQ(quad.vertices[2].y, 128);
  EXPECT_FLOAT_EQ(quad.vertices[3].x, 64);
  EXPECT_FLOAT_EQ(quad.vertices[0].u, 3 / 16.0f + 1 / 512.0f);
  EXPECT_FLOAT_EQ(quad.vertices[2].v, 6 / 16.0f - 1 / 512.0f);
  EXPECT_EQ(quad.vertices[0].color, 0xFFFFFFFFu);
}

TEST_F(MazeDrawing, TheBallIs25PixelsAtTheCentreAndShrinksAndFadesWhileFalling) {
  draw.DrawBall({1, 255});
  draw.DrawBall({0, 128});
  const auto& full = calls()[0].vertices;
  EXPECT_FLOAT_EQ(full[2].x - full[0].x, 25);
  EXPECT_FLOAT_EQ(full[0].x, 308);
  const auto& falling = calls()[1].vertices;
  EXPECT_FLOAT_EQ(falling[2].x - falling[0].x, 13);
  EXPECT_EQ(falling[0].color, 0x80FFFFFFu);
}

TEST_F(MazeDrawing, TheTimeShowsWholeSecondsUpTo999) {
  auto digits = [this](int frames) {
    draw.device()->Present();
    draw.DrawTime(frames);
    std::string shown;
    for (size_t i = 1; i < 4; ++i) shown += char('0' + int((calls()[i].vertices[0].u - 0.375f) * 16 + 0.5f));
    return shown;
  };
  EXPECT_EQ(digits(59), "000");
  EXPECT_EQ(digits(60), "001");
  EXPECT_EQ(digits(999 * 60), "999");
  EXPECT_EQ(digits(1000 * 60), "999");
  EXPECT_EQ(digits(-5), "000");
}

TEST_F(MazeDrawing, AFadeLasts61FramesAndSwitchesTheModeAtItsMidpoint) {
  int mode = 0;
  draw.StartFade(&mode, 1);
  std::vector<uint32_t> overlay;
  int midpointFrame = -1;
  for (int frame = 0; frame < 70 && draw.fading(); ++frame) {
    bool midpoint = draw.EndFrame();
    const auto& shown = static_cast<platform::RecordingRenderDevice&>(*draw.device()).lastFrame();
    overlay.push_back(shown.empty() ? 0 : shown.back().vertices[0].color >> 24);
    if (midpoint) midpointFrame = frame;
  }
  ASSERT_EQ(overlay.size(), 61u) << "counters 60 down to 0";
  EXPECT_EQ(overlay[0], 15u);
  EXPECT_EQ(overlay[29], 247u);
  EXPECT_EQ(overlay[30], 255u) << "counter 30: fully black";
  EXPECT_EQ(overlay[31], 232u) << "the first frame of the new mode";
  EXPECT_EQ(overlay[59], 8u);
  EXPECT_EQ(overlay[60], 0u) << "counter 0: no overlay, the fade ends";
  EXPECT_EQ(midpointFrame, 30);
  EXPECT_EQ(mode, 1);
}

TEST_F(MazeDrawing, ASheetIsLoadedIntoItsSlotAndSheetsBeyondTheEighthAreDrawnWithoutTexture) {
  testing_support::TempDir folder;
  ASSERT_TRUE(platform::SavePng(folder.File("tiles.png"), platform::Image(512, 512, 0xFF808080)));
  const std::string gamePath = platform::GamePath(folder.File("tiles.png")).value_or("");
  EXPECT_EQ(draw.LoadSheet(0, gamePath), 0);
  EXPECT_EQ(draw.LoadSheet(1, gamePath + "-missing"), 1);
  EXPECT_EQ(draw.LoadSheet(8, gamePath), 1) << "there are eight slots";
  draw.DrawTile(0, 0, 0, 0, 0);
  draw.DrawTile(0, 0, 0, 0, 1);
  draw.DrawTile(0, 0, 0, 0, 9);
  ASSERT_EQ(calls().size(), 3u);
  EXPECT_NE(calls()[0].state.texture.get(), nullptr);
  EXPECT_EQ(calls()[1].state.texture.get(), nullptr) << "a sheet that failed to load";
  EXPECT_EQ(calls()[2].state.texture.get(), nullptr) << "sheet 9 names no slot";
}

TEST(MazeDrawingFailure, WithoutADeviceTheMessageIsShownAndInitFails) {
  platform::HeadlessOptions options;
  options.refuseAllDevices = true;
  platform::HeadlessHost host(options);
  auto window = host.CreateWindow({});
  DRAW draw(host);
  EXPECT_EQ(draw.Init(*window, true), 1);
  EXPECT_EQ(host.deviceRequests().size(), 3u) << "three attempts";
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  EXPECT_EQ(host.shownDialogs()[0].textCp932, platform::Cp932Literal("Direct3Dの初期化に失敗しました。"));
  EXPECT_EQ(host.shownDialogs()[0].captionCp932, "Error");
}

TEST(MazeDrawingDevice, OnlyAFullScreenDeviceWaitsForTheDisplaysRefresh) {
  for (bool windowed : {true, false}) {
    platform::HeadlessHost host;
    auto window = host.CreateWindow({});
    DRAW draw(host);
    ASSERT_EQ(draw.Init(*window, windowed), 0);
    ASSERT_EQ(host.deviceRequests().size(), 1u);
    const platform::DeviceRequest& request = host.deviceRequests()[0].request;
    EXPECT_EQ(request.backBufferWidth, 640);
    EXPECT_EQ(request.backBufferHeight, 480);
    EXPECT_EQ(request.waitForVsync, !windowed) << "windowed " << windowed;
  }
}

}  // namespace
