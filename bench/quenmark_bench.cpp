// The side-bar shooter at its busiest: one tick of play with the shot pool nearly full and
// hundreds of enemies, and one frame with all 1,600 drawn play sprites and the side bar, drawn
// with GL offscreen on llvmpipe on screens of 640 x 360, 1280 x 720 and 1920 x 1080 (the frame
// ends by reading the back buffer back, which waits for the drawing).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <memory>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "quenmark/game.h"
#include "quenmark/sprite_graphics.h"

namespace {

// A game in play: 600 enemies in formations, 9,500 shots and bullets in flight away from the
// ship, which fires all the time.
std::unique_ptr<QuenmarkGame> BusyGame() {
  auto game = std::make_unique<QuenmarkGame>();
  game->ResetPools();
  game->PrepareFixedPictures();
  game->ResetPlayer();
  game->gameState = kPlayingState;
  game->stageClock = 1;  // between the timetable's steps
  for (int f = 0; f < 30; ++f) game->SpawnFormation(1, f % 4, 10, 20, float(f * 8), float(f * 9), 5000, 3);
  for (int i = 0; i < 9500; ++i) {
    const bool enemy = i % 2 == 0;
    game->MakeShot(enemy ? Shot::kEnemyBullet : Shot::kPlayerShot, float(i % 100) * 1.6f - 150,
                   float(i / 100 % 60) * 2 - 120, enemy ? kEnemyBulletTexture : kShotTexture, enemy ? 1.5f : 0.5f,
                   enemy ? 90.0f + float(i % 7) : 180.0f);
  }
  return game;
}

void BM_QuenmarkPlayTickBusy(benchmark::State& state) {
  std::unique_ptr<QuenmarkGame> start = BusyGame();
  auto game = std::make_unique<QuenmarkGame>(*start);
  int ticks = 0;
  for (auto _ : state) {
    game->Tick(input_bits::kZ);
    if (++ticks % 20 == 0) {  // shots leave the field: start again from the busy field
      state.PauseTiming();
      *game = *start;
      state.ResumeTiming();
    }
  }
  int shots = 0, enemies = 0;
  for (const Shot& s : start->shots) shots += s.kind != Shot::kFree;
  for (const Enemy& e : start->enemies) enemies += e.kind == Enemy::kActive;
  state.counters["shots"] = shots;
  state.counters["enemies"] = enemies;
}
BENCHMARK(BM_QuenmarkPlayTickBusy)->Unit(benchmark::kMicrosecond);

// 1,600 play sprites of the game's pictures spread over the play area, and the side bar's
// picture, texts and icons over them.
void FillSprites(SpritePools& pools) {
  pools.Reset();
  const int textures[4] = {kEnemyBulletTexture, kShotTexture, kEnemyTexture, kNeedleTexture};
  const float scales[4] = {1.5f, 0.5f, 2.0f, 0.5f};
  for (int i = 0; i < SpritePools::kPlayDrawn; ++i) {
    Sprite& s = pools.play[size_t(i)];
    s.x = float(i % 40) * 5.2f - 150;
    s.y = float(i / 40) * 6.0f - 120;
    s.texture = textures[i / 50 % 4];
    s.scale = scales[i / 50 % 4];
    s.cell = kWholePicture;
    s.kind = 2;
  }
  pools.play[0] = {-55, 100, 0, 3, kShipTexture, kWholePicture, 3};
  pools.screen[120] = {187, 0, 0, 30.8f, kSideBarTexture, kWholePicture, 4};
  for (int i = 0; i < 9; ++i) {
    pools.hiScoreText[size_t(i)] = {80 + 8.25f * float(i), -90, 0, 1.5f, kAsciiTexture, '0' + i, 4};
    pools.scoreText[size_t(i)] = {80 + 8.25f * float(i), -55, 0, 1.5f, kAsciiTexture, '9' - i, 4};
  }
  for (int i = 0; i < 3; ++i) pools.lifeIcons[size_t(i)] = {80 + 16.5f * float(i), -20, 0, 3, kLifeTexture, kWholePicture, 4};
}

struct Screen {
  Screen(platform::HeadlessDrawing drawing, int width, int height) {
    platform::HeadlessOptions options;
    options.drawing = drawing;
    options.screen = {width, height};
    host = std::make_unique<platform::HeadlessHost>(options);
    window = host->CreateWindow({});
    graphics = std::make_unique<SpriteGraphics>(*host);
    ready = graphics->InitGraphics(*window, true) && graphics->LoadAllTextures();
  }
  std::unique_ptr<platform::HeadlessHost> host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<SpriteGraphics> graphics;
  bool ready = false;
};

void BM_QuenmarkFrame1600SpritesDrawn(benchmark::State& state) {
  if (chdir(GAMES_LAYOUT_DIR "/quenmark") != 0) return state.SkipWithError("no built game");
  auto pools = std::make_unique<SpritePools>();
  FillSprites(*pools);
  const int width = int(state.range(0)), height = int(state.range(1));
  Screen screen(platform::HeadlessDrawing::OffscreenGl, width, height);
  if (!screen.ready) return state.SkipWithError("no offscreen GL or no pictures");
  platform::Image frame;
  for (auto _ : state) {
    screen.graphics->DrawFrame(*pools);
    screen.graphics->device()->ReadBackBuffer(frame);
  }
  Screen counting(platform::HeadlessDrawing::CountingOnly, width, height);
  counting.graphics->DrawFrame(*pools);
  auto* recorder = static_cast<platform::RecordingRenderDevice*>(counting.graphics->device());
  state.counters["draw_calls"] = recorder->counts().drawCalls();
}
BENCHMARK(BM_QuenmarkFrame1600SpritesDrawn)
    ->Args({640, 360})
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

}  // namespace
