#pragma once

// The screen settings the command line can change, with their defaults.
struct ScreenOptions {
  int windowWidth = 800;
  int windowHeight = 600;
  int fullscreenWidth = 800;
  int fullscreenHeight = 600;
  int fullscreenRefreshRate = 60;  // Hz
  bool fullscreenRequested = false;
  bool confirmExit = true;
};

// Reads the options from the program's arguments (argv[0] is the program and is skipped):
//   -w N   window and fullscreen width      -h N   window and fullscreen height
//   -ww N  window width only                -wh N  window height only
//   -fw N  fullscreen width only            -fh N  fullscreen height only
//   -r N   fullscreen refresh rate          -f     start in fullscreen
//   -nce   no confirmation when closing
// Options are matched whole and case-sensitively; repeats are allowed and the last one wins;
// anything else is ignored. A value option that is the last argument changes nothing.
void ParseScreenOptions(int argc, const char* const* argv, ScreenOptions& options);

// A number as the C library's atoi reads it (leading blanks, a sign, digits up to the first
// other character; 0 for no number), except that a value beyond the int range is clamped to
// it instead of being undefined.
int ReadOptionInteger(const char* text);
