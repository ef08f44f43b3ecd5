#pragma once
#include <vector>

#include "tests/tiltwell/autopilot.h"

// The way through each stage of the standard set, for the autopilot: the cells to pass (by
// column and row from the top left, 0-based), switches before their gates, the goal last.
const std::vector<std::vector<autopilot::Waypoint>>& StandardStageRoutes();
