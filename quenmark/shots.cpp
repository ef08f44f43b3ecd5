// The shot pool: moving player shots and enemy bullets, and the hit tests.
#include <cmath>

#include "quenmark/game.h"

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kEnemyBulletSpeed = 2.0f, kPlayerShotSpeed = 4.0f;  // units per tick
// A shot or bullet outside these bounds is gone (world units).
constexpr float kShotLeft = -185.0f, kShotRight = 75.0f, kShotTop = -145.0f, kShotBottom = 140.0f;
constexpr float kBulletReach = 4.0f;  // x the bullet's scale: the distance that kills the ship
constexpr float kShotReach = 8.0f;    // x shot scale x enemy scale: the distance that hits
constexpr uint32_t kHitPoints = 10, kDestroyPoints = 100;
constexpr float kPowerPerEnemy = 0.05f, kPowerCeiling = 3.0f;

float Distance(float x1, float y1, float x2, float y2) {
  const float dx = x1 - x2, dy = y1 - y2;
  return std::sqrt(dx * dx + dy * dy);
}

// Whether two points are closer than reach. The distance is never shorter than either side's
// difference (rounded as it is), so a side as long as the reach settles it without the root.
bool Within(float x1, float y1, float x2, float y2, float reach) {
  if (std::fabs(x1 - x2) >= reach || std::fabs(y1 - y2) >= reach) return false;
  return Distance(x1, y1, x2, y2) < reach;
}

}  // namespace

int QuenmarkGame::MakeShot(int kind, float x, float y, int texture, float scale, float angle) {
  // Both a sprite and a record, or no shot at all: a full pool skips it.
  const int spriteIndex = sprites.FindFreeSprite();
  const int shotIndex = FindFreeShot();
  if (spriteIndex == -1 || shotIndex == -1) return -1;

  Shot& shot = shots[size_t(shotIndex)];
  shot.kind = kind;
  shot.cell = kWholePicture;
  shot.texture = texture;
  shot.scale = scale;
  shot.x = x;
  shot.y = y;
  shot.angle = angle;
  shot.sprite = spriteIndex;

  PlacePicture(sprites.play[size_t(spriteIndex)], x, y, texture, scale, 2);  // kind 2: shots and bullets alike
  return shotIndex;
}

void QuenmarkGame::MoveShots() {
  // Shots made together fly at the same angle: its sine and cosine are worked out once for
  // each run of them.
  float angle = 0, cosine = 1, sine = 0;
  for (Shot& shot : shots) {
    if (shot.kind == Shot::kFree || shot.sprite == -1) continue;
    const float speed = shot.kind == Shot::kEnemyBullet ? kEnemyBulletSpeed : kPlayerShotSpeed;
    if (shot.angle != angle) {
      angle = shot.angle;
      const float radians = angle * kRadiansPerDegree;
      cosine = std::cos(radians);
      sine = std::sin(radians);
    }
    shot.y += speed * cosine;
    shot.x += speed * sine;
    if (shot.y > kShotBottom || shot.y < kShotTop || shot.x > kShotRight || shot.x < kShotLeft) {
      shot.kind = Shot::kFree;
      sprites.ReleaseSprite(shot.sprite);
      shot.sprite = -1;
    } else {
      Sprite& sprite = sprites.play[size_t(shot.sprite)];
      sprite.x = shot.x;
      sprite.y = shot.y;
      sprite.z = 0;
      sprite.texture = shot.texture;
    }
  }
}

void QuenmarkGame::ResolveHits() {
  auto free_shot = [this](Shot& shot) {
    shot.kind = Shot::kFree;
    sprites.ReleaseSprite(shot.sprite);
    shot.sprite = -1;
  };
  // Enemies only leave the hittable set during the tests (destroyed), never join it: the set
  // made now, checked again at each test, is the pool's enemies that a scan would consider.
  hitColumns.Build(enemies);
  for (Shot& shot : shots) {
    if (shot.kind == Shot::kEnemyBullet) {
      // Enemy bodies do no harm; only bullets do, and only to a ship that is not already dying.
      if (player.status != 3 && shot.sprite != -1 &&
          Distance(shot.x, shot.y, player.x, player.y) < kBulletReach * shot.scale) {
        free_shot(shot);
        player.status = 3;
      }
    } else if (shot.kind == Shot::kPlayerShot && shot.sprite != -1) {
      // Enemies in index order: a shot over two of them hits the lower-indexed one only.
      const int hit = hitColumns.LowestHit(shot.x, kShotReach * shot.scale * hitColumns.largestScale(), [&](int i) {
        const Enemy& enemy = enemies[size_t(i)];
        return HitColumns::Hittable(enemy) &&
               Within(shot.x, shot.y, enemy.x, enemy.y, kShotReach * shot.scale * enemy.scale);
      });
      if (hit < 0) continue;
      Enemy& enemy = enemies[size_t(hit)];
      enemy.hp -= 1;
      player.score += kHitPoints;
      free_shot(shot);  // the shot is spent
      if (enemy.hp < 1) {
        enemy.kind = Enemy::kDestroyed;
        sprites.ReleaseSprite(enemy.sprite);
        enemy.sprite = -1;
        player.score += kDestroyPoints;
        // KEEP: the test is made before the rise, so power can end just above 3.0 (below
        // 3.05); the shot period is 1 from 3.0 on either way
        // (PowerRisesByFiveHundredthsOnlyWhileBelowThree).
        if (player.power < kPowerCeiling) player.power += kPowerPerEnemy;
      }
    }
  }
}

void QuenmarkGame::ClearShots() {
  for (Shot& shot : shots) {
    shot.kind = Shot::kFree;
    sprites.ReleaseSprite(shot.sprite);
    shot.sprite = -1;
  }
}
