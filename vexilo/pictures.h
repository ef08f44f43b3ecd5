#pragma once
#include "platform/image.h"

// The game's pictures, read from "image//..." in the working folder. A file that is missing or
// not a picture leaves its image empty, and drawing it draws nothing.
struct Pictures {
  platform::Image titleBack;   // 400 x 256
  platform::Image flagBack;    // 400 x 256
  platform::Image time;        // 40 x 40 cells: 0..4 the top block for countdown 4..0, 5 the filler
  platform::Image instruction[4];  // 50 x 50, for flags 1..4
  platform::Image figure;          // 800 x 256: picture left, mask right
  platform::Image flagDown[4];     // 800 x 256 each
  platform::Image flagUp[4];
  platform::Image extra;       // 32 x 32
  platform::Image missBanner;  // 125 x 52
  platform::Image speedUpBanner;
  platform::Image digits;      // 40 x 40 cells: digit d at y = 40 d, the separator at y = 400
};

void LoadPictures(Pictures& pictures);
