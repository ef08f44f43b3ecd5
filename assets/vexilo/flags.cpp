#include "assets/vexilo/flags.h"

#include <cmath>
#include <vector>

#include "assets/vexilo/flag_style.h"

namespace assets::vexilo {
namespace {

constexpr uint32_t kSleeve = 0xFFFFFFFF, kMitten = 0xFFF6F2FF, kPole = 0xFF9A6432, kKnob = 0xFFFFC928;
constexpr float kLine = 1.8f;

Point Along(Point a, Point b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The cloth as a grid: u runs from the pole to the free edge, s from the cloth's top down the
// pole. A ripple shifts each point along the pole, more the farther it is from the pole, so
// the cloth waves.
struct Cloth {
  Point top;    // where the cloth's upper edge meets the pole
  Point along;  // down the pole, the cloth's full length
  Point hang;   // across to the free edge

  Point At(float u, float s) const {
    float length = std::sqrt(along.x * along.x + along.y * along.y);
    float shift = s + 3.2f * std::sin(kPi * 1.6f * u) * u / length;
    return {top.x + along.x * shift + hang.x * u, top.y + along.y * shift + hang.y * u};
  }
};

void DrawCloth(platform::Image& image, int flag, const Pose& pose, const Place& at) {
  const FlagStyle& style = StyleOf(flag);
  Point poleDir{pose.hand.x - pose.tip.x, pose.hand.y - pose.tip.y};
  float poleLength = std::sqrt(poleDir.x * poleDir.x + poleDir.y * poleDir.y);
  Point top = Along(pose.tip, pose.hand, 4 / poleLength);
  Cloth cloth{top, {poleDir.x / poleLength * pose.clothAlong, poleDir.y / poleLength * pose.clothAlong}, pose.hang};
  std::vector<Point> outline;
  constexpr int kSteps = 16;
  for (int i = 0; i <= kSteps; ++i) outline.push_back(at(cloth.At(float(i) / kSteps, 0)));
  for (int i = 1; i <= kSteps; ++i) outline.push_back(at(cloth.At(1, float(i) / kSteps)));
  for (int i = kSteps - 1; i >= 0; --i) outline.push_back(at(cloth.At(float(i) / kSteps, 1)));
  Shape shape = Polygon(outline);
  // Folds: the cloth darkens where the ripple turns away, found from how far a point lies
  // from the pole along the hang direction.
  Point from = at(top), across = {at(cloth.At(1, 0)).x - from.x, at(cloth.At(1, 0)).y - from.y};
  float acrossSquared = across.x * across.x + across.y * across.y;
  Paint folds = [=](float x, float y) {
    float u = ((x - from.x) * across.x + (y - from.y) * across.y) / acrossSquared;
    float fold = 0.5f + 0.5f * std::cos(kPi * 1.6f * u);
    return MixColor(style.cloth, style.shade, 0.45f * (1 - fold) * std::fmin(1.0f, u * 3));
  };
  Outlined(image, shape, folds, at(kLine));
  Point middle = at(cloth.At(0.5f, 0.5f));
  float size = std::fmin(std::fabs(pose.hang.x), pose.clothAlong) * 0.62f;
  DrawEmblem(image, flag, middle, at(size));
}

}  // namespace

Pose PoseOf(int flag, bool raised) {
  // The raised upper poles pass left of the banner's rounded corners, which would cut them.
  if (flag <= 2)
    return raised ? Pose{{176, 161}, {142, 128}, {118, 28}, 32, {-44, 2}}
                  : Pose{{176, 161}, {144, 168}, {118, 214}, 30, {-42, -4}};
  return raised ? Pose{{178, 212}, {146, 192}, {118, 84}, 30, {-42, 2}}
                : Pose{{178, 212}, {154, 222}, {131, 248}, 27, {-44, -4}};
}

void DrawPoleAndCloth(platform::Image& image, int flag, const Pose& pose, const Place& at) {
  Point d{pose.tip.x - pose.hand.x, pose.tip.y - pose.hand.y};
  float length = std::sqrt(d.x * d.x + d.y * d.y);
  Point butt{pose.hand.x - d.x / length * 10, pose.hand.y - d.y / length * 10};
  Outlined(image, Segment(at(butt), at(pose.tip), at(2.2f)), Solid(kPole), at(kLine));
  DrawCloth(image, flag, pose, at);
  Outlined(image, Circle(at(pose.tip), at(3.6f)), Solid(kKnob), at(kLine));
}

void DrawFlag(platform::Image& image, int flag, bool raised, const Place& place) {
  bool left = flag == 1 || flag == 3;
  const Place at = left ? place : place.Mirrored();
  Pose pose = PoseOf(flag, raised);
  // Back to front: arm, pole and cloth, then the hand that grips the pole.
  Outlined(image, Segment(at(pose.joint), at(pose.hand), at(4.5f)), Solid(kSleeve), at(kLine));
  DrawPoleAndCloth(image, flag, pose, at);
  Point h = at(pose.hand);
  Outlined(image, Circle(h, at(6.5f)), VerticalGradient(h.y - at(6), kMitten, h.y + at(6), 0xFFD8D0F0), at(kLine));
}

}  // namespace assets::vexilo
