// Drawing: the GL device's screen quads on llvmpipe, and the flag game's software screen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "pelbrix/texture.h"
#include "platform/blit.h"
#include "platform/headless/headless_host.h"
#include "vexilo/game_screen.h"

namespace {

// Textured, blended 16 x 32 quads, as the shooter's font draws its glyphs, then the frame read
// back (which waits until the GL has drawn it all).
void BM_GlScreenQuads(benchmark::State& state) {
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::OffscreenGl;
  platform::HeadlessHost host(options);
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({800, 600, true, true});
  if (!device) {
    state.SkipWithError("no offscreen GL");
    return;
  }
  auto texture = device->CreateTexture(platform::Image(256, 256, 0x80FFFFFF));
  device->state.texture = texture.get();
  device->state.blendEnabled = true;
  device->state.srcBlend = platform::BlendFactor::SrcAlpha;
  device->state.destBlend = platform::BlendFactor::InvSrcAlpha;
  const int quads = int(state.range(0));
  platform::Image frame;
  for (auto _ : state) {
    device->Clear(platform::kClearTarget | platform::kClearDepth, 0xFF000000, 1);
    for (int i = 0; i < quads; ++i)
      DrawQuad(device.get(), float(i * 16 % 784), float(i / 49 * 32 % 568), 16, 32, 0, 0, 0.0625f, 0.125f, 0xFFFFFFFF);
    device->ReadBackBuffer(frame);
  }
  state.SetItemsProcessed(state.iterations() * quads);
}
BENCHMARK(BM_GlScreenQuads)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_BlitWholeScreen(benchmark::State& state) {
  platform::Image back(400, 256, 0xFF000000), sprite(800, 256, 0xFF808080);
  auto op = static_cast<platform::RasterOp>(state.range(0));
  for (auto _ : state) {
    platform::Blit(back, 0, 0, 400, 256, sprite, 0, 0, op);
    benchmark::DoNotOptimize(back.pixels.data());
  }
}
BENCHMARK(BM_BlitWholeScreen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One paint of the flag game's play screen with its real pictures: nine masked sprites over
// the background, the column, the digits and a banner.
void BM_VexiloPaintGameScreen(benchmark::State& state) {
  if (chdir(GAMES_LAYOUT_DIR "/vexilo") != 0) {
    state.SkipWithError("no built pictures");
    return;
  }
  Pictures pictures;
  LoadPictures(pictures);
  GameRecord record;
  record.state = GameRecord::kInstruction;
  record.instruction = 2;
  record.missBlink = 80;
  platform::Image back(layout::kScreenWidth, layout::kScreenHeight, 0xFF000000);
  for (auto _ : state) {
    PaintGameScreen(record, pictures, back);
    benchmark::DoNotOptimize(back.pixels.data());
  }
}
BENCHMARK(BM_VexiloPaintGameScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
