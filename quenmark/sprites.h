#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Everything the side-bar shooter shows is a flat textured square standing in the plane z = 0:
// a sprite. The game fills sprite records; the graphics layer draws them each frame.
struct Sprite {
  float x = 0, y = 0, z = 0;  // centre, world units (+y is down the screen)
  float scale = 1;            // the square is 8 x scale units on a side
  int texture = 0;            // TextureId, 0 = none
  int cell = 0;               // 255 the whole picture; a character on the ASCII sheet; else a strip
  int kind = 0;               // 0 free and unseen; 1 enemy, 2 shot, 3 ship, marker or explosion, 4 screen
};

// The textures, by the ids the game gives its sprites.
enum TextureId {
  kNoTexture = 0,
  kShipTexture = 1,
  kMarkerTexture = 2,
  kEnemyTexture = 3,
  kShotTexture = 4,
  kNeedleTexture = 5,
  kEnemyBulletTexture = 6,
  kLoadingTexture = 7,
  kTitleTexture = 8,
  kStartTexture = 9,
  kQuitTexture = 10,
  kLifeTexture = 11,
  kSideBarTexture = 12,
  kAsciiTexture = 13,
  kResultTexture = 14,
  kTextureCount = 15
};
constexpr int kWholePicture = 255;  // the cell that shows a whole picture

// Shows a whole picture: the sprite at (x, y, 0) with this texture, scale and kind.
void PlacePicture(Sprite& sprite, float x, float y, int texture, float scale, int kind);

// The fixed pools of sprites, made once and never resized. Of the play sprites only the first
// 1,600 are drawn (the world pass); of the screen sprites the first 200 (the overlay pass,
// with the three text rows and the life icons).
struct SpritePools {
  static constexpr int kPlay = 30000, kPlayDrawn = 1600;
  static constexpr int kScreen = 400, kScreenDrawn = 200;
  static constexpr int kTextRow = 16, kLifeIcons = 10;

  std::array<Sprite, kPlay> play;
  std::array<Sprite, kScreen> screen;
  std::array<Sprite, kTextRow> hiScoreText, scoreText, powerText;
  std::array<Sprite, kLifeIcons> lifeIcons;

  // Every sprite at the origin, scale 1, free, without texture.
  void Reset();
  // The first free play sprite, or -1 when all are in use.
  int FindFreeSprite() const;
  // Frees a play sprite: position 0, scale 0, kind 0. Index -1 (none) is ignored.
  void ReleaseSprite(int index);
  // The play sprite at index, or null for -1 (none).
  Sprite* PlaySprite(int index) { return index >= 0 && index < kPlay ? &play[size_t(index)] : nullptr; }
};
