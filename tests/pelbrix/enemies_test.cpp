// The six enemy kinds: their paths, when and what they fire in normal and hard mode, and that
// only the bottom edge removes them.
#include <gtest/gtest.h>

#include "tests/pelbrix/game_fixture.h"

namespace {

class Enemies : public ShooterGame {
 protected:
  // The frames (counted from 0) in which the bullet list grew, and by how much.
  std::vector<std::pair<int, int>> Volleys(int frames) {
    std::vector<std::pair<int, int>> volleys;
    for (int c = 0; c < frames; ++c) {
      int before = Count(game.bulletList);
      game.enemyList.MoveAll();
      int fired = Count(game.bulletList) - before;
      if (fired) volleys.emplace_back(c, fired);
      game.bulletList.Clear();
    }
    return volleys;
  }
};

using VolleyList = std::vector<std::pair<int, int>>;

TEST_F(Enemies, EneAFiresStraightDownAtFramesZeroAndTenOfEachHundred) {
  NormalShipAt(0, 40);
  kEnemyFactories[0](game.enemyList, 10);
  game.enemyList.MoveAll();
  ASSERT_EQ(Count(game.bulletList), 1);
  auto* bullet = static_cast<CDirBullet*>(game.bulletList.first());
  EXPECT_FLOAT_EQ(bullet->x, 10);
  EXPECT_FLOAT_EQ(bullet->y, -53.6f) << "from where the enemy is after its move";
  EXPECT_NEAR(bullet->vx, 0, 1e-6f);
  EXPECT_FLOAT_EQ(bullet->vy, 1);
  game.bulletList.Clear();
  // Frame i here is the move with c = i + 1: bullets at c = 10 and c = 100, none between.
  EXPECT_EQ(Volleys(105), (VolleyList{{9, 1}, {99, 1}}));
}

TEST_F(Enemies, EneAInHardModeFiresSevenEverySixthFrameForThirty) {
  NormalShipAt(0, 40);
  game.hardMode = true;
  kEnemyFactories[0](game.enemyList, 0);
  EXPECT_EQ(Volleys(103), (VolleyList{{0, 7}, {6, 7}, {12, 7}, {18, 7}, {24, 7}, {102, 7}}));
}

TEST_F(Enemies, EneBAimsAtTheShipAndHoldsItsFireWhileTheShipIsDestroyed) {
  NormalShipAt(30, 0);
  kEnemyFactories[1](game.enemyList, 0);
  game.enemyList.MoveAll();
  ASSERT_EQ(Count(game.bulletList), 1);
  auto* bullet = static_cast<CAimBullet*>(game.bulletList.first());
  EXPECT_NEAR(bullet->vy / bullet->vx, (0 - bullet->y) / 30, 1e-4f) << "towards the ship";
  game.bulletList.Clear();
  game.currentShip = nullptr;
  EXPECT_EQ(Volleys(30), VolleyList{}) << "no ship, no fire";
}

TEST_F(Enemies, EneCFiresEvenWhileTheShipIsDestroyedAndTwoMoreInHardMode) {
  kEnemyFactories[2](game.enemyList, 0);
  EXPECT_EQ(Volleys(7), (VolleyList{{0, 1}, {3, 1}, {6, 1}}));
  game.hardMode = true;
  EXPECT_EQ(Volleys(3), (VolleyList{{2, 3}})) << "c = 9, with one to either side";
}

TEST_F(Enemies, EneDSlidesAwayFromTheCentreLineFromItsFiftiethMove) {
  kEnemyFactories[3](game.enemyList, 0);
  kEnemyFactories[3](game.enemyList, -0.1f);
  for (int i = 0; i < 50; ++i) game.enemyList.MoveAll();
  CMover* onTheLine = game.enemyList.first();
  CMover* leftOfIt = game.enemyList.following(onTheLine);
  EXPECT_EQ(onTheLine->x, 0);
  game.enemyList.MoveAll();
  EXPECT_FLOAT_EQ(onTheLine->x, 0.4f) << "exactly on the line goes right";
  EXPECT_FLOAT_EQ(leftOfIt->x, -0.5f);
}

TEST_F(Enemies, OnlyTheBottomEdgeRemovesAnEnemy) {
  kEnemyFactories[0](game.enemyList, 0);  // down all the way: 280 moves
  kEnemyFactories[2](game.enemyList, 0);  // down, then back out of the top
  for (int i = 0; i < 279; ++i) game.enemyList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 2);
  game.enemyList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 1) << "EneA reached y = 58";
  for (int i = 0; i < 1000; ++i) game.enemyList.MoveAll();
  ASSERT_EQ(Count(game.enemyList), 1) << "the climber stays until the title";
  EXPECT_LT(game.enemyList.first()->y, -54);
}

TEST_F(Enemies, EachEnemyPicksOneOfTheTwoBulletLooks) {
  int looks[2] = {0, 0};
  for (int i = 0; i < 40; ++i) {
    kEnemyFactories[i % 6](game.enemyList, 0);
    looks[static_cast<CEnemy*>(game.enemyList.first())->bulletMeshIndex]++;
    game.enemyList.Clear();
  }
  EXPECT_GT(looks[0], 5);
  EXPECT_GT(looks[1], 5);
}

// The first 30 moves of each kind that fires from the start, in both modes: which moves fire and
// how many bullets each.
TEST_F(Enemies, EachKindsVolleysInNormalAndHardMode) {
  struct Case {
    int kind;
    bool hard;
    VolleyList volleys;  // (c, bullets), c from 0
  };
  const Case cases[] = {
      {1, false, {{0, 1}, {8, 1}, {16, 1}}},
      {1, true, {{0, 3}, {4, 3}, {8, 3}, {12, 3}, {16, 3}, {20, 3}}},
      {3, false, {{0, 3}, {10, 3}}},
      {3, true, {{0, 14}, {10, 14}}},
      {4, false, {{0, 5}, {7, 5}, {14, 5}}},
      {4, true, {{0, 14}, {10, 14}}},
      {5, false, {{0, 5}, {8, 5}, {16, 5}}},
      {5, true, {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {12, 2}, {14, 2}, {16, 2}, {18, 2}, {20, 2}}},
  };
  for (const Case& c : cases) {
    game.enemyList.Clear();
    game.shipList.Clear();
    NormalShipAt(0, 40);
    game.hardMode = c.hard;
    kEnemyFactories[c.kind](game.enemyList, 0);
    VolleyList seen;
    for (int move = 0; move < 30; ++move) {
      int before = Count(game.bulletList);
      game.enemyList.MoveAll();
      if (int fired = Count(game.bulletList) - before) seen.emplace_back(move, fired);
      game.bulletList.Clear();
    }
    EXPECT_EQ(seen, c.volleys) << kEnemyNames[c.kind] << (c.hard ? " hard" : " normal");
  }
}

TEST_F(Enemies, TheirPathsTakeThemWhereTheyAreMeantToBe) {
  for (int kind : {0, 4}) kEnemyFactories[kind](game.enemyList, 0);  // EneA, EneE: 280 moves
  kEnemyFactories[5](game.enemyList, 0);                               // EneF: 560 moves
  kEnemyFactories[1](game.enemyList, 0);                               // EneB: down 101 moves
  for (int i = 0; i < 101; ++i) game.enemyList.MoveAll();
  CMover* enemyB = game.enemyList.following(game.enemyList.following(game.enemyList.first()));
  enemyB = game.enemyList.following(enemyB);
  EXPECT_NEAR(enemyB->y, -23.7f, 0.01f) << "EneB holds at about -23.7";
  for (int i = 101; i < 280; ++i) game.enemyList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 2) << "EneA and EneE are gone after 280 moves";
  for (int i = 280; i < 560; ++i) game.enemyList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 1) << "EneF after 560; EneB climbed out and stays";
}

}  // namespace
