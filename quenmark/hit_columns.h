#pragma once
#include <algorithm>
#include <array>
#include <cmath>

#include "quenmark/game_records.h"

// The enemies a player shot can hit in this tick, sorted into columns of the field by their x,
// each column in index order: a shot looks only at the columns within its reach, and still
// finds the lowest-indexed enemy it touches, as a scan of the whole pool in order would.
class HitColumns {
 public:
  static constexpr int kColumns = 64;
  static constexpr float kLeft = -256, kWidth = 8;  // columns of 8 units from x -256

  static constexpr int kMostEnemies = 1000;

  template <size_t N>
  void Build(const std::array<Enemy, N>& enemies) {
    static_assert(N <= kMostEnemies, "one link per enemy");
    head_.fill(-1);
    tail_.fill(-1);
    largestScale_ = 0;
    for (int i = 0; i < int(N); ++i) {
      const Enemy& e = enemies[size_t(i)];
      if (!Hittable(e)) continue;
      largestScale_ = std::max(largestScale_, e.scale);
      const int c = Column(e.x);
      next_[size_t(i)] = -1;
      if (tail_[size_t(c)] < 0) head_[size_t(c)] = i;
      else next_[size_t(tail_[size_t(c)])] = i;
      tail_[size_t(c)] = i;
    }
  }

  // The lowest index among the enemies within `reach` of x for which hits(index) is true, or -1.
  template <typename Hits>
  int LowestHit(float x, float reach, Hits hits) const {
    int lowest = -1;
    for (int c = Column(x - reach), last = Column(x + reach); c <= last; ++c) {
      for (int i = head_[size_t(c)]; i >= 0 && (lowest < 0 || i < lowest); i = next_[size_t(i)]) {
        if (hits(i)) {
          lowest = i;
          break;  // a column is in index order: the rest of it is higher
        }
      }
    }
    return lowest;
  }

  // The largest scale among the enemies sorted in: with it a shot's reach covers them all.
  float largestScale() const { return largestScale_; }

  static bool Hittable(const Enemy& e) { return e.kind != Enemy::kFree && e.kind != Enemy::kDestroyed && e.sprite != -1; }

 private:
  static int Column(float x) { return std::clamp(int(std::floor((x - kLeft) / kWidth)), 0, kColumns - 1); }

  std::array<int, kColumns> head_{}, tail_{};
  std::array<int, kMostEnemies> next_{};
  float largestScale_ = 0;
};
