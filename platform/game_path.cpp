#include "platform/game_path.h"

#include <sys/stat.h>

#include "platform/text_encoding.h"

namespace platform {

std::string HostPath(std::string_view gamePath) {
  std::string utf8 = Utf8FromCp932(gamePath);
  // After the conversion every byte 0x5C is a real backslash: UTF-8 never uses it inside a
  // multi-byte character.
  for (char& c : utf8)
    if (c == '\\') c = '/';
  return utf8;
}

std::optional<std::string> GamePath(std::string_view hostPath) {
  std::optional<std::string> cp932 = Cp932FromUtf8(hostPath);
  if (!cp932) return std::nullopt;
  std::string& path = *cp932;
  size_t i = 0;
  while (i < path.size()) {
    if (IsSjisLeadByte(static_cast<unsigned char>(path[i]))) {
      i += 2;
      continue;
    }
    if (path[i] == '/') path[i] = '\\';
    ++i;
  }
  return cp932;
}

std::string GameFolderOf(std::string_view gamePath) {
  size_t last = FindLastSjis(gamePath, '\\');
  if (last == std::string_view::npos) return std::string();
  return std::string(gamePath.substr(0, last + 1));
}

bool FileExists(const std::string& hostPath) {
  struct stat info;
  return stat(hostPath.c_str(), &info) == 0;
}

}  // namespace platform
