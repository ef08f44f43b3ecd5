#pragma once
#include <array>
#include <cstdint>

#include "quenmark/sprites.h"

// The states of a run: the title, the one tick that starts a game, play, the result screen,
// and the end.
enum GameStateValue { kTitleState = 0, kStartingState = 1, kPlayingState = 3, kResultState = 4, kQuittingState = 6 };

// The screen sprites the game places.
namespace screen_slot {
constexpr int kPicture = 0;     // the title picture, or the result picture
constexpr int kStartItem = 1, kQuitItem = 2;
constexpr int kSideBar = 120, kLoading = 121;
}  // namespace screen_slot

struct Player {
  float x = -55, y = 100;  // the ship's centre
  float speed = 1.0f;      // per tick and axis: 2.0, or 0.5 in slow mode
  float power = 1.0f;      // shot strength; also pays for a rescue
  uint32_t score = 0;
  uint32_t hiScore = 10000;
  int lives = 3;           // spare lives
  int sprite = -1;
  int texture = kShipTexture;
  int shotPeriodBase = 4;
  int markerSprite = -1;   // the slow-mode marker, -1 = none
  uint32_t shotTick = 0;   // unfrozen play ticks
  int status = 1;          // 1 alive, 3 dying
};

// A player shot or an enemy bullet; both share one pool.
struct Shot {
  static constexpr int kFree = 0, kEnemyBullet = 1, kPlayerShot = 2;
  float scale = 0;
  int texture = 0;
  int cell = kWholePicture;
  int kind = kFree;
  int sprite = -1;
  float x = 0, y = 0;
  float angle = 0;  // degrees: 0 moves down the screen, 180 up
};

struct Enemy {
  static constexpr int kFree = 0, kActive = 1, kDestroyed = 4;
  static constexpr int kHistory = 45;  // ticks a follower runs behind the enemy ahead of it
  float scale = 0;
  int kind = kFree;
  int mode = 8;     // 0 down, 1 up, 2 right, 3 left, 7 follow the leader, anything else still
  int leader = 0;   // the enemy followed in mode 7; -1 for a formation's head
  int sprite = -1;
  int hp = 0;
  float x = 0, y = 0;
  int fireCountdown = 0;  // fires its one volley when this is exactly 0
  int volley = 0;         // bullets in the volley
  std::array<float, kHistory> historyX, historyY;  // the last 45 ticks' positions
  int historyIndex = 0;
  Enemy() {
    historyX.fill(-180.0f);
    historyY.fill(-180.0f);
  }
};

// The death sequence: a pause, the explosion, then a rescue, a spare life or the result.
// Kept for the whole run: only the first death waits 20 ticks before its explosion.
struct DeathSequence {
  int deathWait = 20;
  int explosionCount = 90;
  bool rescueRequested = false;
  int explosionSprite = -1;
};

struct MenuState {
  int cursor = 1;         // 1 "Start", 2 "quit"
  bool keyLatch = false;  // keys are ignored until every key is released
  bool titleBuilt = false;
  int titleTicks = 0;
};
