// The side-bar shooter's play: the ship and its slow mode, its shots by power, the movement of
// shots and bullets, the hit tests with their score and power, and the death sequence with its
// rescue and the lives.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "quenmark/game.h"
#include "tests/quenmark/playing_game.h"

namespace {

using namespace quenmark_test;
using namespace input_bits;

constexpr float kDegrees = 0.017453292f;

// The shotTicks, from 0 to 11, at which holding Z made a main shot and a needle pair.
struct FiringTicks {
  std::vector<uint32_t> main, needles, angled;
};

FiringTicks FireTwelveTicks(QuenmarkGame& game) {
  FiringTicks ticks;
  for (int i = 0; i < 12; ++i) {
    const uint32_t tick = game.player.shotTick;
    for (const Shot& shot : ShotsMadeBy(game, [&] { game.FirePlayerShots(kZ); })) {
      if (shot.texture == kNeedleTexture && shot.x < game.player.x) ticks.needles.push_back(tick);
      if (shot.texture == kShotTexture && shot.angle == 180.0f) ticks.main.push_back(tick);
      if (shot.texture == kShotTexture && shot.angle == 175.0f) ticks.angled.push_back(tick);
    }
  }
  return ticks;
}

std::vector<uint32_t> EveryNth(uint32_t period) {
  std::vector<uint32_t> ticks;
  for (uint32_t t = 0; t < 12; t += period) ticks.push_back(t);
  return ticks;
}

TEST(PlayerStart, TheStartingTickPlacesTheShipAndPlayBeginsInTheNext) {
  auto game = PlayingGame();
  EXPECT_EQ(game->gameState, kPlayingState);
  EXPECT_EQ(game->player.lives, 3);
  EXPECT_EQ(game->player.power, 1.0f);
  const Sprite& ship = game->sprites.play[size_t(game->player.sprite)];
  EXPECT_EQ(ship.kind, 3);
  EXPECT_EQ(ship.texture, kShipTexture);
  EXPECT_EQ(ship.scale, 3.0f);
  EXPECT_EQ(ship.x, -55.0f);
  EXPECT_EQ(ship.y, 100.0f);
}

TEST(PlayerStart, WithNoFreeSpriteTheShipHasNoneAndPlayGoesOn) {
  auto game = std::make_unique<QuenmarkGame>();
  game->ResetPools();
  for (Sprite& sprite : game->sprites.play) sprite.kind = 1;
  game->gameState = kStartingState;
  game->Tick(0);
  EXPECT_EQ(game->player.sprite, -1);
  for (int i = 0; i < 200; ++i) game->Tick(kZ | kShift | kLeft);  // through the first formations
  EXPECT_EQ(game->player.markerSprite, -1);
  EXPECT_EQ(game->player.x, -150.0f);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot), 0);
  EXPECT_EQ(game->FindFreeEnemy(), 0) << "no formation member is made without a sprite";
}

TEST(PlayerShots, AtPowerOneMainShotsEveryThirdTickAndNeedlesEverySixth) {
  auto game = PlayingGame();
  FiringTicks ticks = FireTwelveTicks(*game);
  EXPECT_EQ(ticks.main, (std::vector<uint32_t>{0, 3, 6, 9}));
  EXPECT_EQ(ticks.needles, (std::vector<uint32_t>{0, 6}));
  EXPECT_TRUE(ticks.angled.empty());
}

TEST(PlayerShots, ThePeriodIsFourLessThePowerTruncated) {
  struct Case {
    float power;
    uint32_t period;
  };
  for (Case c : {Case{0.95f, 4}, Case{1.0f, 3}, Case{1.95f, 3}, Case{2.0f, 2}, Case{2.99f, 2}, Case{3.0f, 1},
                 Case{3.04f, 1}, Case{5.0f, 1}}) {
    SCOPED_TRACE(c.power);
    auto game = PlayingGame();
    game->player.power = c.power;
    FiringTicks ticks = FireTwelveTicks(*game);
    EXPECT_EQ(ticks.main, EveryNth(c.period));
    EXPECT_EQ(ticks.needles, c.power < 1.0f ? std::vector<uint32_t>{} : EveryNth(2 * c.period));
    EXPECT_EQ(ticks.angled, c.power < 2.0f ? std::vector<uint32_t>{} : EveryNth(c.period));
  }
}

TEST(PlayerShots, ShotTickCountsEveryUnfrozenTickWhetherFiringOrNot) {
  auto game = PlayingGame();
  game->Tick(0);  // shotTick 0 passes without a shot
  game->Tick(kZ);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot), 0) << "shotTick 1 is not a firing tick at period 3";
  game->Tick(0);
  game->Tick(kZ);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot), 1) << "shotTick 3 is";
}

TEST(PlayerShots, ShotsStartAboveTheShipAndPowerTwoAddsTheAngledPair) {
  auto game = PlayingGame();
  game->player.power = 2.0f;
  const float x = game->player.x, y = game->player.y;
  std::vector<Shot> made = ShotsMadeBy(*game, [&] { game->FirePlayerShots(kZ); });
  ASSERT_EQ(made.size(), 5u);
  struct Expected {
    float x;
    int texture;
    float angle;
  };
  const Expected expected[] = {{x, kShotTexture, 180},
                               {x - 5, kNeedleTexture, 180},
                               {x + 5, kNeedleTexture, 180},
                               {x, kShotTexture, 175},
                               {x, kShotTexture, 185}};
  for (size_t i = 0; i < made.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(made[i].kind, Shot::kPlayerShot);
    EXPECT_EQ(made[i].x, expected[i].x);
    EXPECT_EQ(made[i].y, y - 5);
    EXPECT_EQ(made[i].texture, expected[i].texture);
    EXPECT_EQ(made[i].angle, expected[i].angle);
    EXPECT_EQ(made[i].scale, 0.5f);
    ExpectSpriteShows(*game, made[i]);
  }

  game->MoveShots();
  const Shot& angled = game->shots[3];
  EXPECT_NEAR(angled.x, x + 4 * std::sin(175 * kDegrees), 1e-4);
  EXPECT_NEAR(angled.y, y - 5 + 4 * std::cos(175 * kDegrees), 1e-4);
  ExpectSpriteShows(*game, angled);
}

TEST(PlayerShots, AFullPoolSkipsTheShotAndTakesNothingFromTheOtherPool) {
  auto game = PlayingGame();
  for (Shot& shot : game->shots) shot.kind = Shot::kEnemyBullet;
  const int spritesBefore = SpritesInUse(*game);
  game->FirePlayerShots(kZ);
  EXPECT_EQ(SpritesInUse(*game), spritesBefore) << "no sprite without a shot record";

  game->shots[42].kind = Shot::kFree;
  game->player.shotTick = 0;
  game->FirePlayerShots(kZ);
  EXPECT_EQ(game->shots[42].kind, Shot::kPlayerShot) << "the main shot takes the one free record";
  EXPECT_EQ(game->shots[42].texture, kShotTexture);
  EXPECT_EQ(SpritesInUse(*game), spritesBefore + 1) << "the needles are skipped";

  game->ResetPools();
  game->ResetPlayer();
  for (Sprite& sprite : game->sprites.play) sprite.kind = 1;
  game->FirePlayerShots(kZ);
  EXPECT_EQ(game->FindFreeShot(), 0) << "no shot record without a sprite";
  EXPECT_EQ(game->player.shotTick, 1u);
}

TEST(ShotMovement, BulletsMoveTwoAndShotsFourAndLeaveJustPastTheEdges) {
  auto game = PlayingGame();
  struct Case {
    int kind;
    float x, y, angle;
    float keptX, keptY;  // on the edge after one move: still in play
  };
  const Case cases[] = {
      {Shot::kEnemyBullet, 0, 138, 0, 0, 140},       // down
      {Shot::kPlayerShot, 0, -141, 180, 0, -145},    // up
      {Shot::kEnemyBullet, 73, 0, 90, 75, 0},        // right
      {Shot::kPlayerShot, -181, 0, -90, -185, 0},    // left
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    game->ClearShots();
    const int index = game->MakeShot(c.kind, c.x, c.y, kShotTexture, 0.5f, c.angle);
    ASSERT_EQ(index, 0);
    const Shot& shot = game->shots[0];
    const int sprite = shot.sprite;
    game->MoveShots();
    EXPECT_EQ(shot.kind, c.kind);
    EXPECT_NEAR(shot.x, c.keptX, 1e-4);
    EXPECT_NEAR(shot.y, c.keptY, 1e-4);
    ExpectSpriteShows(*game, shot);
    game->MoveShots();
    EXPECT_EQ(shot.kind, Shot::kFree);
    EXPECT_EQ(shot.sprite, -1);
    EXPECT_EQ(game->sprites.play[size_t(sprite)].kind, 0) << "its sprite is released";
    EXPECT_EQ(game->sprites.play[size_t(sprite)].scale, 0);
  }
}

// Two enemies stacked at (-55, -20), standing still, with the hp given.
void SpawnStackedPair(QuenmarkGame& game, int hp) { game.SpawnFormation(1, 4, hp, 2, 110, 110, 1000, 1); }

TEST(Hits, AShotOverTwoEnemiesDamagesOnlyTheLowerIndexedOne) {
  auto game = PlayingGame();
  SpawnStackedPair(*game, 10);
  const int shot = game->MakeShot(Shot::kPlayerShot, -55, -20, kShotTexture, 0.5f, 180);
  const int sprite = game->shots[size_t(shot)].sprite;
  game->ResolveHits();
  EXPECT_EQ(game->enemies[0].hp, 9);
  EXPECT_EQ(game->enemies[1].hp, 10);
  EXPECT_EQ(game->player.score, 10u);
  EXPECT_EQ(game->shots[size_t(shot)].kind, Shot::kFree) << "a hitting shot is spent";
  EXPECT_EQ(game->sprites.play[size_t(sprite)].kind, 0);
}

TEST(Hits, ShotsHitWithinEightUnitsAndPassDestroyedEnemies) {
  auto game = PlayingGame();
  SpawnStackedPair(*game, 1);
  game->MakeShot(Shot::kPlayerShot, -55 + 8, -20, kShotTexture, 0.5f, 180);  // 8.0 away: a miss
  game->ResolveHits();
  EXPECT_EQ(game->enemies[0].hp, 1);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot), 1);

  game->ClearShots();
  game->MakeShot(Shot::kPlayerShot, -55 + 7.9f, -20, kShotTexture, 0.5f, 180);
  game->MakeShot(Shot::kPlayerShot, -55, -20 + 7.9f, kShotTexture, 0.5f, 180);
  game->ResolveHits();
  EXPECT_EQ(game->enemies[0].kind, Enemy::kDestroyed) << "the first shot destroys the lower one";
  EXPECT_EQ(game->enemies[1].kind, Enemy::kDestroyed) << "the second passes it and hits the other";
  EXPECT_EQ(game->player.score, 220u);
}

TEST(Hits, TenHitsDestroyATenHpEnemyForTwoHundredPointsAndPower) {
  auto game = PlayingGame();
  game->SpawnFormation(1, 4, 10, 1, 110, 110, 1000, 1);
  const int enemySprite = game->enemies[0].sprite;
  for (int i = 0; i < 11; ++i) game->MakeShot(Shot::kPlayerShot, -55, -20, kShotTexture, 0.5f, 180);
  game->ResolveHits();
  const Enemy& enemy = game->enemies[0];
  EXPECT_EQ(enemy.kind, Enemy::kDestroyed);
  EXPECT_EQ(enemy.sprite, -1);
  EXPECT_EQ(game->sprites.play[size_t(enemySprite)].kind, 0) << "its sprite is released";
  EXPECT_EQ(game->player.score, 200u);
  EXPECT_FLOAT_EQ(game->player.power, 1.05f);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot), 1) << "the 11th shot flies on";
}

TEST(Hits, PowerRisesByFiveHundredthsOnlyWhileBelowThree) {
  // KEEP: the test comes before the rise, so power can end just above 3.0.
  auto game = PlayingGame();
  game->player.power = 2.99f;
  SpawnStackedPair(*game, 1);
  game->MakeShot(Shot::kPlayerShot, -55, -20, kShotTexture, 0.5f, 180);
  game->ResolveHits();
  EXPECT_FLOAT_EQ(game->player.power, 3.04f);
  game->MakeShot(Shot::kPlayerShot, -55, -20, kShotTexture, 0.5f, 180);
  game->ResolveHits();
  EXPECT_FLOAT_EQ(game->player.power, 3.04f);
  EXPECT_EQ(game->player.score, 220u);
}

TEST(Hits, ABulletKillsTheShipWithinSixUnitsAndEnemyBodiesDoNot) {
  auto game = PlayingGame();
  const float x = game->player.x, y = game->player.y;
  game->SpawnFormation(1, 4, 10, 1, x + 165, y + 130, 1000, 1);  // a body right on the ship
  game->MakeShot(Shot::kEnemyBullet, x, y + 6, kEnemyBulletTexture, 1.5f, 0);
  game->ResolveHits();
  EXPECT_EQ(game->player.status, 1) << "6.0 away is a miss";

  game->MakeShot(Shot::kEnemyBullet, x, y + 5.9f, kEnemyBulletTexture, 1.5f, 0);
  game->MakeShot(Shot::kEnemyBullet, x, y, kEnemyBulletTexture, 1.5f, 0);
  game->ResolveHits();
  EXPECT_EQ(game->player.status, 3);
  EXPECT_EQ(game->shots[1].kind, Shot::kFree) << "the bullet that hit is spent";
  EXPECT_EQ(game->shots[2].kind, Shot::kEnemyBullet) << "a dying ship is not hit again";
}

TEST(PlayerMovement, TheShipStopsAtItsLimits) {
  auto game = PlayingGame();
  for (int i = 0; i < 200; ++i) game->UpdatePlayer(kLeft);
  EXPECT_EQ(game->player.x, -150.0f) << "clamped at -150";
  for (int i = 0; i < 200; ++i) game->UpdatePlayer(kRight);
  EXPECT_GE(game->player.x, 50.0f);
  EXPECT_LT(game->player.x, 52.0f) << "moving right stops once x is 50 or more";
  for (int i = 0; i < 200; ++i) game->UpdatePlayer(kUp);
  EXPECT_LE(game->player.y, -120.0f);
  EXPECT_GE(game->player.y, -125.0f);
  for (int i = 0; i < 200; ++i) game->UpdatePlayer(kDown);
  EXPECT_GE(game->player.y, 115.0f);
  EXPECT_LT(game->player.y, 117.0f);
}

TEST(PlayerMovement, OpposingKeysBothActAndCancel) {
  auto game = PlayingGame();
  game->UpdatePlayer(kLeft | kRight | kUp | kDown);
  EXPECT_EQ(game->player.x, -55.0f);
  EXPECT_EQ(game->player.y, 100.0f);
  game->UpdatePlayer(kLeft | kUp);
  EXPECT_EQ(game->player.x, -57.0f);
  EXPECT_EQ(game->player.y, 98.0f);
}

TEST(SlowMode, EachHoldOfShiftShowsTheMarkerAndSlowsTheShipToHalfAUnit) {
  auto game = PlayingGame();
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    const float x = game->player.x;
    game->UpdatePlayer(kShift | kLeft);
    game->UpdatePlayer(kShift | kLeft);
    EXPECT_EQ(game->player.x, x - 1.0f) << "0.5 per tick";
    const int marker = game->player.markerSprite;
    ASSERT_NE(marker, -1);
    const Sprite& sprite = game->sprites.play[size_t(marker)];
    EXPECT_EQ(sprite.kind, 3);
    EXPECT_EQ(sprite.texture, kMarkerTexture);
    EXPECT_EQ(sprite.scale, 1.0f);
    EXPECT_EQ(sprite.x, game->player.x) << "the marker follows the ship";
    EXPECT_EQ(SpritesInUse(*game), 2) << "one marker while Shift is held";

    game->UpdatePlayer(kLeft);
    EXPECT_EQ(game->player.x, x - 3.0f) << "2 per tick without Shift";
    EXPECT_EQ(game->player.markerSprite, -1);
    EXPECT_EQ(sprite.kind, 0) << "hidden";
  }
}

TEST(DeathSequence, TheFirstDeathFreezesTwentyTicksThenExplodesForNinetyOne) {
  auto game = PlayingGame();
  for (int i = 0; i < 4; ++i) game->Tick(kZ);
  const int farBullet = game->MakeShot(Shot::kEnemyBullet, -100, -100, kEnemyBulletTexture, 1.5f, 0);
  AimBulletAtShip(*game);
  game->Tick(0);
  ASSERT_EQ(game->player.status, 3);
  const uint32_t clock = game->stageClock, shotTick = game->player.shotTick;
  const float x = game->player.x, y = game->player.y;
  const float bulletY = game->shots[size_t(farBullet)].y;

  for (int tick = 1; tick <= 20; ++tick) {
    game->Tick(kZ | kLeft | kShift);
    ASSERT_EQ(game->worldFrozen, 1);
    ASSERT_NE(game->death.explosionSprite, -1);
    EXPECT_EQ(game->sprites.play[size_t(game->death.explosionSprite)].kind, 0) << "not shown before tick 21";
  }
  for (int tick = 0; tick <= 90; ++tick) {
    game->Tick(kZ | kLeft | kShift);
    ASSERT_EQ(game->worldFrozen, 1);
    const Sprite& explosion = game->sprites.play[size_t(game->death.explosionSprite)];
    EXPECT_EQ(explosion.kind, 3);
    EXPECT_EQ(explosion.texture, kShotTexture);
    EXPECT_FLOAT_EQ(explosion.scale, float(tick) * 0.4f + 1.0f);
    EXPECT_EQ(explosion.x, x);
    EXPECT_EQ(explosion.y, y);
  }
  EXPECT_EQ(game->stageClock, clock) << "the stage clock stands still";
  EXPECT_EQ(game->player.shotTick, shotTick) << "no firing";
  EXPECT_EQ(game->shots[size_t(farBullet)].y, bulletY) << "bullets stand still";
  EXPECT_EQ(game->player.x, x) << "the ship stays where it was hit";
  EXPECT_EQ(game->player.markerSprite, -1) << "no slow mode while dying";

  const int explosionSprite = game->death.explosionSprite;
  game->Tick(0);
  EXPECT_EQ(game->worldFrozen, 0);
  EXPECT_EQ(game->stageClock, clock + 1) << "the world steps run in the tick that ends the sequence";
  EXPECT_EQ(game->player.status, 1);
  EXPECT_EQ(game->player.lives, 2);
  EXPECT_EQ(game->sprites.play[size_t(explosionSprite)].kind, 0);
  EXPECT_EQ(game->FindFreeShot(), 0);
  EXPECT_EQ(CountShots(*game, Shot::kPlayerShot) + CountShots(*game, Shot::kEnemyBullet), 0)
      << "the shots of both sides are gone";
  EXPECT_EQ(SpritesInUse(*game), 1) << "only the ship's sprite is left";
  const Sprite& ship = game->sprites.play[size_t(game->player.sprite)];
  EXPECT_EQ(ship.kind, 3);
  EXPECT_EQ(ship.x, x);
  EXPECT_EQ(ship.y, y);
}

TEST(DeathSequence, LaterDeathsWaitTenTicksBeforeTheExplosion) {
  auto game = PlayingGame();
  EXPECT_EQ(PlayDeath(*game), 20 + 91);
  EXPECT_EQ(PlayDeath(*game), 10 + 91);
  EXPECT_EQ(PlayDeath(*game), 10 + 91);
  EXPECT_EQ(game->player.lives, 0);
  EXPECT_EQ(game->gameState, kPlayingState);
}

TEST(DeathSequence, XAtAnyMomentWithPowerOneKeepsTheLifeForOnePower) {
  for (int pressedAt : {1, 21, 60, 112}) {  // waiting, exploding, and the ending tick
    SCOPED_TRACE(pressedAt);
    auto game = PlayingGame();
    game->player.power = 1.0f;
    PlayDeath(*game, [&](int tick) { return tick == pressedAt ? kX : 0; });
    EXPECT_EQ(game->player.status, 1);
    EXPECT_EQ(game->player.lives, 3);
    EXPECT_EQ(game->player.power, 0.0f);
    EXPECT_FALSE(game->death.rescueRequested) << "the request ends with its sequence";
  }
}

TEST(DeathSequence, WithPowerBelowOneXDoesNothingAndTheLifeIsLost) {
  auto game = PlayingGame();
  game->player.power = 0.9f;
  PlayDeath(*game, [](int) { return kX; });
  EXPECT_EQ(game->player.lives, 2);
  EXPECT_FLOAT_EQ(game->player.power, 0.9f);
  EXPECT_EQ(game->player.status, 1);
}

TEST(DeathSequence, WithNoLifeLeftTheGameEndsAfterTheExplosion) {
  auto game = PlayingGame();
  game->player.lives = 0;
  game->player.power = 0.5f;
  EXPECT_EQ(PlayDeath(*game, [&](int) {
              EXPECT_EQ(game->gameState, kPlayingState) << "the explosion plays out first";
              return InputWord(0);
            }),
            111);
  EXPECT_EQ(game->gameState, kResultState);
  EXPECT_EQ(game->player.status, 3) << "the ship stays dying";

  auto rescued = PlayingGame();
  rescued->player.lives = 0;
  PlayDeath(*rescued, [](int) { return kX; });
  EXPECT_EQ(rescued->gameState, kPlayingState) << "a rescue saves the last life too";
  EXPECT_EQ(rescued->player.status, 1);
}

}  // namespace
