// A side-bar shooter game in play, and the checks its tests share.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "quenmark/game.h"

namespace quenmark_test {

// A game one tick after "Start": the Starting tick has run (ResetPlayer) and the next tick
// plays. The stage clock is set past its first step, so no formation comes for 119 ticks.
inline std::unique_ptr<QuenmarkGame> PlayingGame(uint32_t stageClock = 1) {
  auto game = std::make_unique<QuenmarkGame>();
  game->ResetPools();
  game->gameState = kStartingState;
  game->Tick(0);
  game->stageClock = stageClock;
  return game;
}

inline int CountShots(const QuenmarkGame& game, int kind) {
  int count = 0;
  for (const Shot& shot : game.shots) count += shot.kind == kind;
  return count;
}

inline int SpritesInUse(const QuenmarkGame& game) {
  int count = 0;
  for (const Sprite& sprite : game.sprites.play) count += sprite.kind != 0;
  return count;
}

// The shots made by one call, when nothing frees a shot meanwhile: the lowest free records
// are taken in turn.
inline std::vector<Shot> ShotsMadeBy(QuenmarkGame& game, const std::function<void()>& step) {
  const int first = game.FindFreeShot();
  step();
  int last = game.FindFreeShot();
  if (last == -1) last = QuenmarkGame::kShots;
  return std::vector<Shot>(game.shots.begin() + first, game.shots.begin() + last);
}

// The shot's sprite shows the shot: in use as a shot, where the shot is, with its looks.
inline void ExpectSpriteShows(const QuenmarkGame& game, const Shot& shot) {
  ASSERT_NE(shot.sprite, -1);
  const Sprite& sprite = game.sprites.play[size_t(shot.sprite)];
  EXPECT_EQ(sprite.kind, 2);
  EXPECT_EQ(sprite.texture, shot.texture);
  EXPECT_EQ(sprite.cell, kWholePicture);
  EXPECT_EQ(sprite.scale, shot.scale);
  EXPECT_EQ(sprite.x, shot.x);
  EXPECT_EQ(sprite.y, shot.y);
}

// An enemy bullet laid on the ship: the hit test of the next play tick catches it.
inline void AimBulletAtShip(QuenmarkGame& game) {
  game.MakeShot(Shot::kEnemyBullet, game.player.x, game.player.y, kEnemyBulletTexture, 1.5f, 0);
}

// Kills the ship in one tick, then plays the death sequence with the input given for each of
// its ticks (counted from 1) until the world moves again. Returns the frozen ticks.
inline int PlayDeath(QuenmarkGame& game, const std::function<InputWord(int)>& input = nullptr) {
  AimBulletAtShip(game);
  game.Tick(0);
  EXPECT_EQ(game.player.status, 3) << "the bullet on the ship kills it";
  int tick = 1;
  for (; tick < 1000; ++tick) {
    game.Tick(input ? input(tick) : 0);
    if (game.worldFrozen == 0) break;
  }
  return tick - 1;
}

}  // namespace quenmark_test
