#pragma once
#include "assets/vexilo/figure_place.h"

namespace assets::vexilo {

// An arm and its flag as laid out on the figure's left side; the right side mirrors it.
struct Pose {
  Point joint;       // where the arm leaves the body
  Point hand;
  Point tip;         // the pole's far end
  float clothAlong;  // how far the cloth runs down the pole from its tip
  Point hang;        // from the pole to the cloth's free edge
};

// Flags 1 and 3 on the left, 2 and 4 mirrored; upper flags ride higher than the lower ones
// both up and down, so all eight poses differ.
Pose PoseOf(int flag, bool raised);

// One of the mascot's four arms with its flag: the arm from its joint on the body, the pole,
// the waving cloth with the flag's emblem and the hand gripping the pole.
void DrawFlag(platform::Image& image, int flag, bool raised, const Place& place);
// The pole and cloth of a pose alone, without arm or hand.
void DrawPoleAndCloth(platform::Image& image, int flag, const Pose& pose, const Place& place);

}  // namespace assets::vexilo
