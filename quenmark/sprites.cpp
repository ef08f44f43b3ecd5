#include "quenmark/sprites.h"

namespace {

template <size_t N>
void ResetAll(std::array<Sprite, N>& pool) {
  for (Sprite& s : pool) s = Sprite();
}

}  // namespace

void SpritePools::Reset() {
  ResetAll(play);
  ResetAll(screen);
  ResetAll(hiScoreText);
  ResetAll(scoreText);
  ResetAll(powerText);
  ResetAll(lifeIcons);
}

int SpritePools::FindFreeSprite() const {
  for (int i = 0; i < kPlay; ++i)
    if (play[size_t(i)].kind == 0) return i;
  return -1;
}

void SpritePools::ReleaseSprite(int index) {
  Sprite* s = PlaySprite(index);
  if (!s) return;
  s->x = s->y = s->z = 0;
  s->scale = 0;
  s->kind = 0;
}

void PlacePicture(Sprite& sprite, float x, float y, int texture, float scale, int kind) {
  sprite.x = x;
  sprite.y = y;
  sprite.z = 0;
  sprite.texture = texture;
  sprite.cell = kWholePicture;
  sprite.scale = scale;
  sprite.kind = kind;
}
