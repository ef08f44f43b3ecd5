#include "platform/game_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

std::optional<std::string> CurrentFolderGamePath() {
  // glibc sizes the buffer itself; the kernel refuses a folder that was removed.
  char* folder = getcwd(nullptr, 0);
  if (!folder) return std::nullopt;
  std::string hostFolder(folder);
  free(folder);
  // Outside the process's root the kernel names the folder "(unreachable)/...": no path at all.
  if (hostFolder.empty() || hostFolder.front() != '/') return std::nullopt;
  if (hostFolder.size() > 1 && hostFolder.back() == '/') hostFolder.pop_back();
  return GamePath(hostFolder);
}

namespace {

bool IsFolder(const std::string& hostPath) {
  struct stat info;
  return stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool MakeFolder(const std::string& hostPath) {
  if (hostPath.empty()) return false;
  // Each folder on the way, from the top; one that exists (or that another process makes at
  // the same moment) is passed over, and anything else in the way stops it.
  for (size_t end = hostPath.find('/', 1); ; end = hostPath.find('/', end + 1)) {
    std::string prefix = hostPath.substr(0, end);
    if (!prefix.empty() && prefix.back() != '/' && mkdir(prefix.c_str(), 0777) != 0 &&
        !(errno == EEXIST && IsFolder(prefix)))
      return false;
    if (end == std::string::npos) break;
  }
  return IsFolder(hostPath);
}

}  // namespace platform
