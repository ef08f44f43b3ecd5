#include "assets/quenmark/craft_outline.h"

namespace assets::quenmark {

Shape CraftCanvas::Mirrored(const std::vector<Point>& rightHalf) const {
  std::vector<Point> all;
  for (const Point& p : rightHalf) all.push_back(P(p.x, p.y));
  for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
    if (it->x != kDesignSize / 2) all.push_back(P(kDesignSize - it->x, it->y));
  return Polygon(all);
}

Shape CraftCanvas::Right(const std::vector<Point>& points) const {
  std::vector<Point> all;
  for (const Point& p : points) all.push_back(P(p.x, p.y));
  return Polygon(all);
}

Shape CraftCanvas::Left(const std::vector<Point>& points) const {
  std::vector<Point> all;
  for (const Point& p : points) all.push_back(P(kDesignSize - p.x, p.y));
  return Polygon(all);
}

}  // namespace assets::quenmark
