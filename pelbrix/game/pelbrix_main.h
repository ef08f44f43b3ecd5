#pragma once
#include "platform/host.h"

// The program: creates the game, sets the frame loop's pace, runs it, and returns the exit
// code (1 when the game could not start).
int PelbrixMain(platform::Host& host, int argc, const char* const* argv);
