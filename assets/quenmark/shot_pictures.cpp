#include "assets/quenmark/shot_pictures.h"

#include <algorithm>
#include <cmath>

#include "assets/quenmark/colour.h"
#include "assets/quenmark/radial_paint.h"

namespace assets::quenmark {

platform::Image RenderShotOrb(int size) {
  static const Stop kColour[] = {{0.0f, 0xFFFFFFFF}, {0.18f, 0xFFFFFBE0}, {0.36f, 0xFFFFE27A},
                                 {0.55f, 0xFFFFA030}, {0.8f, 0xFFFF5A18}, {1.0f, 0xFFE02A10}};
  return PaintSquare(size, [](float u, float v) {
    float r = std::sqrt(u * u + v * v);
    // Solid to a third of the way out, then a glow falling off smoothly to nothing at 0.95.
    float alpha = r < 0.34f ? 1.0f : std::pow(1 - SmoothStep(0.34f, 0.95f, r), 1.3f);
    return WithAlpha(Ramp(kColour, r), alpha);
  });
}

platform::Image RenderNeedle(int size) {
  return PaintSquare(size, [](float u, float v) {
    float along = std::fabs(v);  // 0 in the middle, 1 at the square's top and bottom
    if (along > 0.92f) return 0x00FFFFFFu;
    float taper = 1 - std::pow(along / 0.92f, 2.0f);
    float core = 0.15f * taper, glow = 0.45f * std::sqrt(taper);
    float across = std::fabs(u);
    if (across <= core) return MixColor(0xFFFFFFFF, 0xFFFFF4B0, across / std::max(core, 1e-3f));
    if (across >= glow) return 0x00FFFFFFu;
    float fade = 1 - (across - core) / (glow - core);
    return WithAlpha(MixColor(0xFFFFD860, 0xFFFF9A28, 1 - fade), fade * std::sqrt(taper));
  });
}

platform::Image RenderEnemyBullet(int size) {
  static const Stop kColour[] = {{0.0f, 0xFFFFFFFF}, {0.36f, 0xFFF4FFFF}, {0.46f, 0xFF9CF4FF},
                                 {0.62f, 0xFF22C4F0}, {0.7f, 0xFF1868D8}, {0.74f, 0xFF0C1848},
                                 {0.8f, 0xFF0C1848}, {0.82f, 0xFF38A8FF}, {1.0f, 0xFF38A8FF}};
  return PaintSquare(size, [](float u, float v) {
    float r = std::sqrt(u * u + v * v);
    // The body is solid to its dark edge; a faint cyan haze beyond it fades out by 0.96.
    float alpha = r <= 0.8f ? 1.0f : 0.45f * (1 - SmoothStep(0.8f, 0.96f, r));
    if (r > 0.8f && r < 0.82f) alpha = 1 - (r - 0.8f) / 0.02f * (1 - alpha);
    return WithAlpha(Ramp(kColour, r), alpha);
  });
}

}  // namespace assets::quenmark
