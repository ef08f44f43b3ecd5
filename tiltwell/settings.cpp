#include "tiltwell/settings.h"

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/game_path.h"
#include "platform/profile_file.h"
#include "tiltwell/game_files.h"

// KEEP: the default file names the stage-set number "PlayStageNumber", but the key read is
// "PlayStagesNumber": a freshly written file plays stage set 0, whatever that line says.
const char* const kDefaultSettingsFile =
    "[Twell]\r\n"
    "windowed = 1\r\n"
    "DispFPS = 0\r\n"
    "DispVersion = 0\r\n"
    "ExecMode = 0\r\n"
    "FrameSkip = 0\r\n"
    "PlayStageNumber = 0\r\n"
    "StagesDir = stages\r\n"
    "Stages0 = std.ini\r\n"
    "SaveFileDir = sav\r\n";

namespace {

const char* const kSection = "Twell";

}  // namespace

Settings ReadSettings() {
  Settings s;
  const std::string path = WorkingFolder() + "\\Twell.ini";
  const std::string host = platform::HostPath(path);
  int error = OpenError(path);
  if (error == ENOENT) {
    if (!platform::ReplaceFile(host, kDefaultSettingsFile)) s.status = 2;
  } else if (error != 0) {
    s.status = error;
    return s;
  }
  auto text = [&host](const char* key, const char* fallback) {
    return platform::ReadProfileString(kSection, key, fallback, Settings::kTextBuffer, host);
  };
  auto number = [&host](const char* key, int fallback) {
    return platform::ReadProfileInt(kSection, key, fallback, host);
  };
  s.StagesDir = text("StagesDir", "stages");
  s.SaveFileDir = text("SaveFileDir", "sav");
  for (int i = 0; i < Settings::kStageSets; ++i)
    s.stageSets[i] = text(("Stages" + std::to_string(i)).c_str(), "");
  s.PlayStagesNumber = number("PlayStagesNumber", 0);
  s.windowed = number("windowed", 1);
  s.DispFPS = number("DispFPS", 0);
  s.DispVersion = number("DispVersion", 0);
  s.ExecMode = number("ExecMode", 0);
  s.FrameSkip = number("FrameSkip", 0);
  // The window's frame is the window system's; the game's part of it is 640 x 480.
  s.windowWidth = 640;
  s.windowHeight = 480;
  return s;
}
