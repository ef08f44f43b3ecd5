#pragma once
#include <array>
#include <cstdint>

#include "quenmark/game_records.h"
#include "quenmark/hit_columns.h"
#include "quenmark/input_word.h"
#include "quenmark/sprites.h"

// The whole of a run's rules and state: the pools, the player, the enemies, the stage clock,
// the screens and the game state. It never draws and never reads a device: each tick takes
// the tick's input word, and the graphics layer draws the sprite pools.
class QuenmarkGame {
 public:
  static constexpr int kShots = 10000, kEnemies = 1000;

  // Sprites, shots and enemies to their empty states.
  void ResetPools();
  int FindFreeShot() const;   // the first free shot, or -1
  int FindFreeEnemy() const;  // the first free enemy, or -1

  // One tick of the current state (the frame was drawn before it).
  void Tick(InputWord input);

  // Play: the player, the shots and the hit tests.
  void ResetPlayer();
  void UpdatePlayer(InputWord input);
  void FirePlayerShots(InputWord input);
  void MoveShots();
  void ResolveHits();
  void UpdatePlayerSprite();
  int RunDeathSequence(InputWord input);  // 1 while the world stays frozen
  void ClearShots();
  // A player shot or enemy bullet with its sprite (shot kind, position, TextureId, scale,
  // angle in degrees): the shot's index, or -1 when either pool is full and nothing was made.
  int MakeShot(int kind, float x, float y, int texture, float scale, float angle);

  // The enemies and the stage's timetable.
  void SpawnFormation(int kind, int mode, int hp, int count, float px, float py, int fireDelay, int volley);
  void UpdateEnemies();
  void FireVolleys();
  void StageSchedule();

  // The screens: title menu, side bar texts, result.
  void PrepareFixedPictures();
  void UpdateMenus(InputWord input);
  void UpdateScreenTexts();

  SpritePools sprites;
  std::array<Shot, kShots> shots;
  std::array<Enemy, kEnemies> enemies;
  Player player;
  DeathSequence death;
  int worldFrozen = 0;
  uint32_t stageClock = 0;
  MenuState menu;
  int gameState = kTitleState;
  // Scratch for the hit tests of one tick.
  HitColumns hitColumns;
};
