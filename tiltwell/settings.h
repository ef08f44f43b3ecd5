#pragma once
#include <string>

// The maze game's settings, read once at start-up from "Twell.ini" in the working folder
// (section "[Twell]"); a missing file is first written with the ten default lines.
struct Settings {
  static constexpr int kStageSets = 8;
  static constexpr size_t kTextBuffer = 64;  // strings keep at most 63 characters

  // 0: read; 2: the file was missing and could not be made (the fallbacks are used, and the
  // shell says so); any other value: the error number of a file that exists but could not be
  // opened (every setting then stays zero or empty).
  int status = 0;
  std::string StagesDir, SaveFileDir;
  std::string stageSets[kStageSets];  // "Stages0" ... "Stages7"
  int PlayStagesNumber = 0;
  int windowWidth = 0, windowHeight = 0;  // of the client area: 640 x 480 either way
  int windowed = 0, DispFPS = 0, DispVersion = 0, ExecMode = 0, FrameSkip = 0;
};

// The settings from "Twell.ini" in the working folder.
Settings ReadSettings();

// What a missing "Twell.ini" is made with: ten lines with CR LF line ends.
extern const char* const kDefaultSettingsFile;
