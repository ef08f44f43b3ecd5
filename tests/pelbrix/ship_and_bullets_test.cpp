// The player's ship, the enemy bullets and the crash: steering, the hit test, the ship's life
// from fly-in to crash and revival, bullets' paths and the field's margin, scoring while drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/pelbrix/game_fixture.h"

namespace {

class ShipAndBullets : public ShooterGame {
 protected:
  CBullet* BulletAt(float x, float y) { return CreateTask<CBullet>(game.bulletList, game.bulletMeshes, 0, x, y); }
};

TEST_F(ShipAndBullets, DiagonalSteeringIsScaledAndTheSlowKeyHalvesIt) {
  CNormalMyShip* ship = NormalShipAt(0, 0);
  input().left = input().up = true;
  game.shipList.MoveAll();
  const float step = 0.8f * (1 / std::sqrt(2.0f));
  EXPECT_FLOAT_EQ(ship->x, -step);
  EXPECT_FLOAT_EQ(ship->y, -step);
  input().buttons[1] = true;
  game.shipList.MoveAll();
  EXPECT_FLOAT_EQ(ship->x, -step - step / 2);
}

TEST_F(ShipAndBullets, LeftWinsOverRightAndBanksLeftAndTheShipStopsAtTheEdge) {
  CNormalMyShip* ship = NormalShipAt(45.5f, 0);
  input().left = input().right = true;
  game.shipList.MoveAll();
  EXPECT_FLOAT_EQ(ship->x, 44.7f);
  EXPECT_FLOAT_EQ(ship->roll, -0.02f);
  input().left = false;
  input().down = true;
  for (int i = 0; i < 100; ++i) game.shipList.MoveAll();
  EXPECT_EQ(ship->x, 46) << "held against the edge";
  EXPECT_EQ(ship->y, 46);
  float banked = ship->roll;
  game.shipList.MoveAll();
  EXPECT_EQ(ship->roll, banked) << "the bank stops once it reaches a tenth of a turn";
  EXPECT_GE(banked, 0.1f);
  EXPECT_LE(banked, 0.12f);
}

TEST_F(ShipAndBullets, AShipAtRestTremblesBetweenZeroAndMinusTwoHundredthsOfATurn) {
  CNormalMyShip* ship = NormalShipAt(0, 0);
  float rolls[4];
  for (float& roll : rolls) {
    game.shipList.MoveAll();
    roll = ship->roll;
  }
  EXPECT_FLOAT_EQ(rolls[0], -0.02f);
  EXPECT_FLOAT_EQ(rolls[1], 0);
  EXPECT_FLOAT_EQ(rolls[2], -0.02f);
  EXPECT_FLOAT_EQ(rolls[3], 0);
}

TEST_F(ShipAndBullets, ABulletHitsOnlyWhenCloserThanSixTenthsOnBothAxes) {
  CNormalMyShip* ship = NormalShipAt(0, 0);
  BulletAt(0.6f, 0);
  BulletAt(0, -0.6f);
  game.shipList.MoveAll();
  EXPECT_EQ(ship->hitPoints, 1) << "exactly 0.6 away is no touch";
  game.bulletList.Clear();
  BulletAt(0.59f, 0.59f);
  BulletAt(-0.5f, 0.1f);
  game.shipList.MoveAll();
  EXPECT_EQ(game.currentShip, nullptr) << "destroyed";
  EXPECT_EQ(game.bulletList.freeCount(), game.bulletList.capacity() - 2) << "bullets stay";
  ASSERT_NE(game.effectList.first(), nullptr);
  auto* crash = static_cast<CMyShipCrash*>(game.effectList.first());
  EXPECT_EQ(crash->x, 0);
  EXPECT_EQ(host.headlessAudio().totalPlays(), 1) << "the crash sounds";
}

TEST_F(ShipAndBullets, TheRevivalShipTakesOverAtTheCrash51FramesLaterWithTheRateLowered) {
  game.StartGame();
  game.currentShip = nullptr;
  game.shipList.Clear();
  NormalShipAt(10, 20);
  BulletAt(10, 20);
  Frame();  // the hit
  game.bulletList.Clear();
  for (int frame = 1; frame <= 50; ++frame) {
    Frame();
    ASSERT_EQ(game.currentShip, nullptr) << "frame " << frame;
  }
  Frame();
  ASSERT_NE(game.currentShip, nullptr);
  EXPECT_EQ(game.scores.scoreRate, 40);
  EXPECT_EQ(game.currentShip->x, 10);
  EXPECT_EQ(game.currentShip->y, 20);
}

TEST_F(ShipAndBullets, TheRevivalShipBlinksFor120FramesThenIsNormal) {
  auto* revival = CreateTask<CRevivalMyShip>(game.shipList, 0, 0);
  game.currentShip = revival;
  BulletAt(0, 0);  // it cannot be hit
  game.shipList.MoveAll();
  EXPECT_FLOAT_EQ(revival->alpha, 0.5f) << "sin 0";
  game.shipList.MoveAll();
  EXPECT_FLOAT_EQ(revival->alpha, 0.5f * std::sin(0.7f) + 0.5f);
  for (int i = 2; i < 120; ++i) game.shipList.MoveAll();
  EXPECT_EQ(game.currentShip, revival);
  game.bulletList.Clear();  // the normal ship makes its first move, and its bullet test, at once
  game.shipList.MoveAll();
  ASSERT_NE(game.currentShip, revival);
  EXPECT_EQ(static_cast<CNormalMyShip*>(game.currentShip)->alpha, 1);
}

TEST_F(ShipAndBullets, TheShipFliesInFrom60To30AndTheNormalShipMovesInThatFrame) {
  game.StartGame();
  CMover* appearing = game.currentShip;
  ASSERT_NE(appearing, nullptr);
  EXPECT_EQ(appearing->y, 60);
  for (int i = 0; i < 59; ++i) game.shipList.MoveAll();
  EXPECT_EQ(game.currentShip, appearing);
  EXPECT_EQ(appearing->y, 30.5f);
  game.shipList.MoveAll();
  ASSERT_NE(game.currentShip, appearing);
  auto* normal = static_cast<CNormalMyShip*>(game.currentShip);
  EXPECT_EQ(normal->y, 30);
  EXPECT_FLOAT_EQ(normal->roll, -0.02f) << "it made its first move in the same frame";
}

TEST_F(ShipAndBullets, ADirectedBulletMovesThenAcceleratesAndSpins) {
  auto* bullet = CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, 0, 0.0f, 0.0f, 0.25f, 1.0f, 0.5f);
  EXPECT_FLOAT_EQ(bullet->orientation, 0.5f);
  game.bulletList.MoveAll();
  EXPECT_NEAR(bullet->x, 0, 1e-6f);
  EXPECT_NEAR(bullet->y, 1, 1e-6f) << "straight down the screen";
  EXPECT_FLOAT_EQ(bullet->orientation, 0.51f);
  game.bulletList.MoveAll();
  EXPECT_NEAR(bullet->y, 2.5f, 1e-6f) << "the second move uses the accelerated speed";
}

TEST_F(ShipAndBullets, AnAimedBulletFliesAtItsTarget) {
  auto* bullet = CreateTask<CAimBullet>(game.bulletList, game.bulletMeshes, 1, 0.0f, 0.0f, 3.0f, 4.0f, 0.0f, 5.0f, 0.0f);
  game.bulletList.MoveAll();
  EXPECT_NEAR(bullet->x, 3, 1e-5f);
  EXPECT_NEAR(bullet->y, 4, 1e-5f);
  EXPECT_EQ(bullet->mesh, game.bulletMeshes[1]);
}

TEST_F(ShipAndBullets, ABulletLeavesInTheFrameItPassesTheMargin) {
  CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, 0, 53.0f, 0.0f, 0.0f, 1.0f, 0.0f);
  CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, 0, 53.0001f, 0.0f, 0.0f, 1.0f, 0.0f);
  CreateTask<CDirBullet>(game.bulletList, game.bulletMeshes, 0, -80.0f, 0.0f, 0.0f, 1.0f, 0.0f);
  game.bulletList.MoveAll();
  ASSERT_NE(game.bulletList.first(), nullptr);
  EXPECT_EQ(game.bulletList.first()->x, 54) << "exactly 54 stays";
  EXPECT_EQ(game.bulletList.following(game.bulletList.first()), nullptr)
      << "54.0001 is outside, and a bullet that starts outside leaves at once";
}

TEST_F(ShipAndBullets, EachDrawnBulletScoresWhileTheShipIsAlive) {
  game.StartGame();
  for (int i = 0; i < 30; ++i) BulletAt(float(i), 0);
  game.bulletList.DrawAll();
  EXPECT_EQ(game.scores.score.digits(), "000000001500");
  game.currentShip = nullptr;
  game.bulletList.DrawAll();
  EXPECT_EQ(game.scores.score.digits(), "000000001500") << "nothing while the ship is destroyed";
}

}  // namespace
