// One frame of the shooter (Move, then Draw, then present) with its lists at their caps: 2,000
// bullets and 500 enemies, the ship testing itself against every bullet and every drawn bullet
// scoring. Drawn with GL offscreen on llvmpipe (the frame ends by reading the back buffer back,
// which waits for the drawing), and without drawing: the game step alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "pelbrix/game/pelbrix.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"

namespace {

struct FullField {
  explicit FullField(platform::HeadlessDrawing drawing) {
    platform::HeadlessOptions options;
    options.drawing = drawing;
    options.recordAudioCalls = false;
    options.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
    host = std::make_unique<platform::HeadlessHost>(options);
    const char* argv[] = {"Pelbrix"};
    game = std::make_unique<CPelbrix>(*host, 1, argv);
    if (!game->started()) return;
    game->frameSkip = false;
    game->OnResetDevice();
    game->StartGame();
    game->sceneList.Clear();  // no script: the field stays as it is made here
    game->shipList.Clear();
    game->currentShip = CreateTask<CNormalMyShip>(game->shipList, -49.0f, 49.0f);
    // Enemies that hold their place (an EneB between its 101st and 300th moves) and bullets
    // that stand still, spread over the field.
    for (int i = 0; i < CPelbrix::kEnemySlots; ++i) {
      kEnemyFactories[1](game->enemyList, float(i % 25) * 3.8f - 46);
    }
    int i = 0;
    for (CMover* e = game->enemyList.first(); e; e = game->enemyList.following(e), ++i) {
      auto* enemy = static_cast<CEneB*>(e);
      enemy->y = float(i / 25) * 4.5f - 45;
      enemy->frameCount = 130;
    }
    // Bullets come in volleys, each of one enemy and so of one look.
    for (int b = 0; b < CPelbrix::kBulletSlots; ++b)
      CreateTask<CDirBullet>(game->bulletList, game->bulletMeshes, b / 20 % 2, float(b % 50) * 1.9f - 47,
                             float(b / 50) * 2.3f - 46, 0.25f, 0.0f, 0.0f);
  }
  int DrawCalls() {
    auto* recorder = dynamic_cast<platform::RecordingRenderDevice*>(game->graphicsDevice->device.get());
    return recorder ? recorder->counts().drawCalls() : 0;
  }
  std::unique_ptr<platform::HeadlessHost> host;
  std::unique_ptr<CPelbrix> game;
};

void BM_PelbrixFrameAtTheCapsDrawn(benchmark::State& state) {
  if (chdir(GAMES_LAYOUT_DIR "/pelbrix") != 0) return state.SkipWithError("no built game");
  FullField field(platform::HeadlessDrawing::OffscreenGl);
  if (!field.game->started()) return state.SkipWithError("no offscreen GL");
  platform::Image frame;
  for (auto _ : state) {
    field.game->Move();
    field.game->RenderFrame();
    field.game->graphicsDevice->device->ReadBackBuffer(frame);
  }
  FullField counting(platform::HeadlessDrawing::CountingOnly);
  counting.game->Move();
  counting.game->RenderFrame();
  state.counters["draw_calls"] = counting.DrawCalls();
  state.counters["bullets"] = field.game->bulletList.capacity() - field.game->bulletList.freeCount();
}
BENCHMARK(BM_PelbrixFrameAtTheCapsDrawn)->Unit(benchmark::kMillisecond);

void BM_PelbrixGameStepAtTheCaps(benchmark::State& state) {
  if (chdir(GAMES_LAYOUT_DIR "/pelbrix") != 0) return state.SkipWithError("no built game");
  FullField field(platform::HeadlessDrawing::CountingOnly);
  for (auto _ : state) field.game->Move();
  state.counters["enemies"] = field.game->enemyList.capacity() - field.game->enemyList.freeCount();
}
BENCHMARK(BM_PelbrixGameStepAtTheCaps)->Unit(benchmark::kMicrosecond);

}  // namespace
