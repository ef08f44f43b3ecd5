// Enemies: formations whose followers trace the path of the enemy ahead, and their volleys.
#include "quenmark/game.h"

namespace {

constexpr float kEnemyScale = 2.0f;
constexpr float kStep = 0.75f;  // units per tick of a moving enemy
// Formations are placed relative to the play area's top-left corner.
constexpr float kAreaLeft = -165.0f, kAreaTop = -130.0f;
// An enemy outside these bounds is gone (world units); exactly on one it stays.
constexpr float kEnemyLeft = -250.0f, kEnemyRight = 200.0f, kEnemyTop = -200.0f, kEnemyBottom = 300.0f;
constexpr int kFollowMode = 7;
constexpr float kBulletScale = 1.5f;
constexpr float kFanStep = 5.0f;  // degrees between the bullets of a volley

}  // namespace

void QuenmarkGame::SpawnFormation(int kind, int mode, int hp, int count, float px, float py, int fireDelay,
                                  int volley) {
  int previous = -1;
  for (int i = 0; i < count; ++i) {
    // A member needs a record and a sprite; with either pool full it is not made.
    const int index = FindFreeEnemy();
    const int spriteIndex = sprites.FindFreeSprite();
    if (index == -1 || spriteIndex == -1) continue;

    Enemy& enemy = enemies[size_t(index)];
    enemy.x = px + kAreaLeft;
    enemy.y = py + kAreaTop;
    enemy.kind = kind;
    enemy.hp = hp;
    // Followers leave the spawn point 45 ticks apart, and fire 45 ticks apart too.
    enemy.fireCountdown = fireDelay + Enemy::kHistory * i;
    enemy.sprite = spriteIndex;
    enemy.scale = kEnemyScale;
    enemy.volley = volley;
    enemy.historyX.fill(enemy.x);
    enemy.historyY.fill(enemy.y);
    enemy.historyIndex = 0;
    enemy.mode = previous == -1 ? mode : kFollowMode;
    enemy.leader = previous;
    previous = index;

    PlacePicture(sprites.play[size_t(spriteIndex)], enemy.x, enemy.y, kEnemyTexture, kEnemyScale, 1);
  }
}

void QuenmarkGame::UpdateEnemies() {
  for (Enemy& enemy : enemies) {
    // Every record, whatever its kind: a freed enemy stays where it left and is freed again.
    if (enemy.y > kEnemyBottom || enemy.y < kEnemyTop || enemy.x > kEnemyRight || enemy.x < kEnemyLeft) {
      enemy.kind = Enemy::kFree;
      sprites.ReleaseSprite(enemy.sprite);
      enemy.sprite = -1;
    }
    if (enemy.kind != Enemy::kFree) {
      // A destroyed enemy moves on unseen, and its followers go on tracing it.
      switch (enemy.mode) {
        case 0: enemy.y += kStep; break;
        case 1: enemy.y -= kStep; break;
        case 2: enemy.x += kStep; break;
        case 3: enemy.x -= kStep; break;
        case kFollowMode:
          // KEEP: the leader is a plain index. When its record is freed and taken by a new
          // spawn, the follower jumps to that spawn point and follows the newcomer
          // (FollowerJumpsWhenItsLeadersRecordIsTakenBySpawn).
          // FIXED: a follower without a leader in the pool (a head given this mode) stands
          // still instead of reading outside the pool (FollowModeWithoutLeaderStandsStill).
          if (enemy.leader >= 0 && enemy.leader < kEnemies) {
            // Histories are written after every enemy has moved, so this entry is the leader's
            // position 45 ticks ago.
            const Enemy& leader = enemies[size_t(enemy.leader)];
            enemy.x = leader.historyX[size_t(leader.historyIndex)];
            enemy.y = leader.historyY[size_t(leader.historyIndex)];
          }
          break;
        default: break;  // stands still
      }
      enemy.fireCountdown -= 1;
    }
    if (enemy.kind != Enemy::kDestroyed) {
      if (Sprite* sprite = sprites.PlaySprite(enemy.sprite)) {
        sprite->x = enemy.x;
        sprite->y = enemy.y;
        sprite->z = 0;
      }
    }
  }
  for (Enemy& enemy : enemies) {
    enemy.historyX[size_t(enemy.historyIndex)] = enemy.x;
    enemy.historyY[size_t(enemy.historyIndex)] = enemy.y;
    enemy.historyIndex = (enemy.historyIndex + 1) % Enemy::kHistory;
  }
}

void QuenmarkGame::FireVolleys() {
  for (const Enemy& enemy : enemies) {
    // The countdown goes on below zero, so each enemy fires once; a destroyed one never.
    if (enemy.fireCountdown != 0 || enemy.kind != Enemy::kActive) continue;
    // KEEP: the fan is centred by half the count, so an even volley has one more bullet on
    // the -x side, and the 70-bullet ring lacks 175 and 180 degrees (straight up)
    // (FansOpenAroundStraightDownInStepsOfFiveDegrees).
    const float half = float(enemy.volley) / 2.0f;
    const float oddOffset = enemy.volley % 2 != 0 ? kFanStep / 2.0f : 0.0f;
    for (int j = 0; j < enemy.volley; ++j) {
      const float angle = (float(j) - half) * kFanStep + oddOffset;
      MakeShot(Shot::kEnemyBullet, enemy.x, enemy.y, kEnemyBulletTexture, kBulletScale, angle);
    }
  }
}
