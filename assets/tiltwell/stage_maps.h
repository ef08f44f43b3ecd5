#pragma once
#include <vector>

namespace assets {

// One stage of the maze game's set as it is drawn in code: rows of map characters (see
// TiltwellTileTypes for what each stands for; 'S' is the start cell), its name and one-line
// hint (UTF-8, written to the data file in CP932) and its time limit.
struct StageMap {
  const char* name;     // at most 12 full-width characters
  const char* comment;  // at most 48 full-width characters
  int timeLimitSeconds;
  std::vector<const char*> rows;
};

// The standard set, in playing order.
const std::vector<StageMap>& TiltwellStageMaps();

}  // namespace assets
