// The side-bar shooter's pools: the finders take the lowest free slot and say -1 when full.
#include <gtest/gtest.h>

#include <memory>

#include "quenmark/game.h"

namespace {

TEST(QuenmarkPools, FindersTakeTheLowestFreeSlotAndSayNoneWhenFull) {
  auto game = std::make_unique<QuenmarkGame>();
  game->ResetPools();
  EXPECT_EQ(game->sprites.FindFreeSprite(), 0);
  game->sprites.play[0].kind = 2;
  EXPECT_EQ(game->sprites.FindFreeSprite(), 1);
  for (Sprite& s : game->sprites.play) s.kind = 1;
  EXPECT_EQ(game->sprites.FindFreeSprite(), -1);
  game->sprites.ReleaseSprite(-1);  // none: nothing happens
  game->sprites.ReleaseSprite(7);
  EXPECT_EQ(game->sprites.FindFreeSprite(), 7);
  EXPECT_EQ(game->sprites.play[7].scale, 0);
  for (Shot& s : game->shots) s.kind = Shot::kPlayerShot;
  EXPECT_EQ(game->FindFreeShot(), -1);
  for (Enemy& e : game->enemies) e.kind = Enemy::kDestroyed;
  EXPECT_EQ(game->FindFreeEnemy(), -1);
  game->ResetPools();
  EXPECT_EQ(game->FindFreeShot(), 0);
  EXPECT_EQ(game->FindFreeEnemy(), 0);
  EXPECT_EQ(game->enemies[3].mode, 8);
  EXPECT_EQ(game->enemies[3].historyX[44], -180.0f);
  EXPECT_EQ(game->shots[5].sprite, -1);
  EXPECT_EQ(game->shots[5].cell, kWholePicture);
}

}  // namespace
