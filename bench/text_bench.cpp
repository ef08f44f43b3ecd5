// Run-time text on the GL device: the maze game's two status lines, drawn every frame.
#include <benchmark/benchmark.h>

#include "platform/headless/headless_host.h"
#include "platform/text_encoding.h"
#include "platform/text_face.h"

namespace {

const char* const kFpsLine = "FPS:60/60 [delay:none]";
const char* const kVersionLine = "Tiltwell 0.50a [2008/04/30(Wed)]";

struct TextScene {
  TextScene() : host(Options()) {
    window = host.CreateWindow({});
    if (window) device = window->CreateRenderDevice({640, 480, false, false});
  }
  static platform::HeadlessOptions Options() {
    platform::HeadlessOptions options;
    options.drawing = platform::HeadlessDrawing::OffscreenGl;
    return options;
  }
  // One frame: clear, the two lines, and the frame read back (which waits until GL has drawn).
  void Frame(platform::TextFace& face) {
    device->Clear(platform::kClearTarget | platform::kClearDepth, 0xFF000040, 1);
    face.Draw(kFpsLine, 0xFFFF0000, {0, 4, 240, 32}, platform::TextAlign::Center);
    face.Draw(kVersionLine, 0xFF660066, {240, 4, 640, 32}, platform::TextAlign::Center);
    device->ReadBackBuffer(frame);
  }
  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::RenderDevice> device;
  platform::Image frame;
};

// Every frame after the first: the glyphs are in the texture already.
void BM_TextTwoLinesPerFrame(benchmark::State& state) {
  TextScene scene;
  if (!scene.device) return state.SkipWithError("no offscreen GL");
  auto face = platform::TextFace::Open(*scene.device, platform::Cp932Literal("ＭＳ　Ｐゴシック"), 12);
  if (!face) return state.SkipWithError("no IPA P Gothic");
  for (auto _ : state) scene.Frame(*face);
}
BENCHMARK(BM_TextTwoLinesPerFrame)->Unit(benchmark::kMicrosecond);

// The first frame of a new face: every glyph rasterised and uploaded.
void BM_TextFirstFrameOfANewFace(benchmark::State& state) {
  TextScene scene;
  if (!scene.device) return state.SkipWithError("no offscreen GL");
  const std::string faceName = platform::Cp932Literal("ＭＳ　Ｐゴシック");
  for (auto _ : state) {
    auto face = platform::TextFace::Open(*scene.device, faceName, 12);
    if (!face) return state.SkipWithError("no IPA P Gothic");
    scene.Frame(*face);
  }
}
BENCHMARK(BM_TextFirstFrameOfANewFace)->Unit(benchmark::kMicrosecond);

// The frame without text, for comparison: clearing and reading back alone.
void BM_TextNoLinesPerFrame(benchmark::State& state) {
  TextScene scene;
  if (!scene.device) return state.SkipWithError("no offscreen GL");
  for (auto _ : state) {
    scene.device->Clear(platform::kClearTarget | platform::kClearDepth, 0xFF000040, 1);
    scene.device->ReadBackBuffer(scene.frame);
  }
}
BENCHMARK(BM_TextNoLinesPerFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
