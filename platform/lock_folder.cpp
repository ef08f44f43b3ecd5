#include "platform/lock_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {
namespace {

// Twice this in hex, with a prefix and a suffix, stays well inside the 255 bytes a file name
// may have.
constexpr size_t kMaxNameBytes = 100;

}  // namespace

std::optional<std::string> LockFolder() {
#ifdef __EMSCRIPTEN__
  // A page is its own instance: no other copy of the program shares its files, so there is
  // nothing to guard against, and without a folder every guard lets the program run.
  return std::nullopt;
#endif
  std::string folder;
  if (const char* redirected = std::getenv("GAMES_LOCK_DIR"); redirected && *redirected) {
    folder = redirected;
  } else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    folder = std::string(runtime) + "/games-locks";
  } else {
    folder = "/tmp/games-locks-" + std::to_string(getuid());
  }
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
    return std::nullopt;
  return folder;
}

std::string LockFileName(std::string_view prefix, std::string_view nameCp932, std::string_view suffix) {
  if (nameCp932.empty() || nameCp932.size() > kMaxNameBytes) return std::string();
  static const char kHex[] = "0123456789abcdef";
  std::string name(prefix);
  for (char c : nameCp932) {
    name += kHex[static_cast<unsigned char>(c) >> 4];
    name += kHex[static_cast<unsigned char>(c) & 15];
  }
  name += suffix;
  return name;
}

}  // namespace platform
