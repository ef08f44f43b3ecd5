#include "vexilo/key_config.h"

#include <cstdio>

#include "platform/browser_storage.h"
#include "platform/game_path.h"
#include "platform/profile_file.h"

namespace {

const char* const kDefaultFile =
    "[MODE]\r\n"
    "mode=0\r\n"
    "[KEY]\r\n"
    "1=I\r\n"
    "2=O\r\n"
    "3=J\r\n"
    "4=K\r\n";
const char kDefaultKeys[4] = {'I', 'O', 'J', 'K'};

}  // namespace

void LoadKeyConfig(GameRecord& record, const std::string& gamePath) {
  const std::string path = platform::HostPath(gamePath);
  record.mode = platform::ReadProfileInt("MODE", "mode", 0, path);
  for (int k = 0; k < 4; ++k) {
    const char name[2] = {char('1' + k), 0};
    // A two-character buffer: one character and its terminating zero.
    std::string key = platform::ReadProfileString("KEY", name, std::string(1, kDefaultKeys[k]), 2, path);
    record.keys[k] = key.empty() ? '\0' : key[0];
  }
  if (std::FILE* readable = std::fopen(path.c_str(), "r")) {
    std::fclose(readable);
    return;
  }
  // Appending creates the file, and never truncates one that exists but cannot be read.
  // A file that cannot be created is no matter: the fallbacks are in use.
  if (std::FILE* created = std::fopen(path.c_str(), "ab")) {
    std::fputs(kDefaultFile, created);
    if (std::fclose(created) == 0) platform::KeepWrittenFile(path);
  }
}
