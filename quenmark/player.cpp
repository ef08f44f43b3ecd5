// The player's ship, its slow mode and shots, and the death sequence with its rescue.
#include "quenmark/game.h"

namespace {

constexpr float kShipScale = 3.0f;
constexpr float kMarkerScale = 1.0f;
constexpr float kFastSpeed = 2.0f, kSlowSpeed = 0.5f;  // units per tick and axis
constexpr float kPlayerShotScale = 0.5f;
constexpr float kUpwards = 180.0f;      // degrees
constexpr float kMuzzleOffset = 5.0f;   // shots start this far above the ship's centre
constexpr float kNeedleSpread = 5.0f;   // the needles start this far left and right of it
constexpr float kRescueCost = 1.0f;     // power paid for a rescue; also the least power it needs

}  // namespace

void QuenmarkGame::ResetPlayer() {
  player = Player();
  player.sprite = sprites.FindFreeSprite();
  if (Sprite* ship = sprites.PlaySprite(player.sprite))
    PlacePicture(*ship, player.x, player.y, kShipTexture, kShipScale, 3);
}

void QuenmarkGame::UpdatePlayer(InputWord input) {
  if (player.status == 3) {
    // The ship, its marker and the world stand still until the sequence ends.
    worldFrozen = RunDeathSequence(input);
    return;
  }

  if (input & input_bits::kShift) {
    player.speed = kSlowSpeed;
    if (player.markerSprite == -1) {
      player.markerSprite = sprites.FindFreeSprite();
      if (Sprite* marker = sprites.PlaySprite(player.markerSprite))
        PlacePicture(*marker, player.x, player.y, kMarkerTexture, kMarkerScale, 3);
    }
  } else {
    player.speed = kFastSpeed;
    // Hidden, not released: it keeps its place and scale until the slot is taken again.
    if (Sprite* marker = sprites.PlaySprite(player.markerSprite)) marker->kind = 0;
    player.markerSprite = -1;
  }

  if (player.status == 1) {
    // Each key is tested against the position its partner may just have changed, so left
    // and right held together cancel out (and up and down).
    if (player.x > -160.0f && player.x < 55.0f) {
      if ((input & input_bits::kLeft) && player.x > -160.0f) player.x -= player.speed;
      if ((input & input_bits::kRight) && player.x < 50.0f) player.x += player.speed;
    }
    if (player.y > -125.0f && player.y < 120.0f) {
      if ((input & input_bits::kUp) && player.y > -120.0f) player.y -= player.speed;
      if ((input & input_bits::kDown) && player.y < 115.0f) player.y += player.speed;
    }
  }

  if (player.x < -150.0f) player.x = -150.0f;
  if (player.x > 55.0f) player.x = 55.0f;
  if (player.y < -125.0f) player.y = -125.0f;
  if (player.y > 120.0f) player.y = 120.0f;

  if (Sprite* marker = sprites.PlaySprite(player.markerSprite)) {
    marker->x = player.x;
    marker->y = player.y;
    marker->z = 0;
  }
}

void QuenmarkGame::FirePlayerShots(InputWord input) {
  if (input & input_bits::kZ) {
    // Power is truncated: below 1 a shot every 4 ticks, from 1 every 3, from 2 every 2, from
    // 3 every tick.
    // FIXED: play keeps power below 3.05, but a power of 4 or more would make the period 0 or
    // less and divide by zero; the period stays at least 1 (ThePeriodIsFourLessThePowerTruncated).
    int period = player.shotPeriodBase - int(player.power);
    if (period < 1) period = 1;
    if (player.shotTick % uint32_t(period) == 0) {
      const float x = player.x, y = player.y - kMuzzleOffset;
      MakeShot(Shot::kPlayerShot, x, y, kShotTexture, kPlayerShotScale, kUpwards);
      if (player.power >= 1.0f && player.shotTick % uint32_t(2 * period) == 0) {
        MakeShot(Shot::kPlayerShot, x - kNeedleSpread, y, kNeedleTexture, kPlayerShotScale, kUpwards);
        MakeShot(Shot::kPlayerShot, x + kNeedleSpread, y, kNeedleTexture, kPlayerShotScale, kUpwards);
      }
      if (player.power >= 2.0f) {
        MakeShot(Shot::kPlayerShot, x, y, kShotTexture, kPlayerShotScale, kUpwards - 5.0f);
        MakeShot(Shot::kPlayerShot, x, y, kShotTexture, kPlayerShotScale, kUpwards + 5.0f);
      }
    }
  }
  player.shotTick += 1;  // every unfrozen play tick, fired or not
}

void QuenmarkGame::UpdatePlayerSprite() {
  Sprite* ship = sprites.PlaySprite(player.sprite);
  if (!ship) return;
  // Its kind is left alone: the ship stays shown through a death and after the last one.
  ship->texture = player.texture;
  ship->scale = kShipScale;
  ship->x = player.x;
  ship->y = player.y;
  ship->z = 0;
}

int QuenmarkGame::RunDeathSequence(InputWord input) {
  // Taken now but marked only when the explosion shows; nothing else takes a sprite while
  // the world is frozen.
  if (death.explosionSprite == -1) death.explosionSprite = sprites.FindFreeSprite();
  // The rescue may be asked for in any tick of the sequence, the last one included.
  if ((input & input_bits::kX) && player.power >= kRescueCost) death.rescueRequested = true;

  if (death.deathWait >= 1) {
    death.deathWait -= 1;
    return 1;
  }
  if (death.explosionCount >= 0) {
    if (Sprite* explosion = sprites.PlaySprite(death.explosionSprite)) {
      // Grows from 1.0 to 37.0 over its 91 ticks.
      const float scale = float(90 - death.explosionCount) * 0.4f + 1.0f;
      PlacePicture(*explosion, player.x, player.y, kShotTexture, scale, 3);
    }
    death.explosionCount -= 1;
    return 1;
  }

  if (Sprite* explosion = sprites.PlaySprite(death.explosionSprite)) explosion->kind = 0;
  if (death.rescueRequested) {
    player.power -= kRescueCost;
    player.status = 1;
  } else if (player.lives < 1) {
    gameState = kResultState;  // the ship stays dying: the game is over
  } else {
    player.lives -= 1;
    player.status = 1;
  }
  ClearShots();
  // Only the first death of a run waits 20 ticks; the state is never reset between games.
  death.deathWait = 10;
  death.explosionCount = 90;
  death.explosionSprite = -1;
  death.rescueRequested = false;
  return 0;
}
