#include "tiltwell/game_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/game_path.h"

std::string WorkingFolder() {
  std::optional<std::string> folder = platform::CurrentFolderGamePath();
  return folder ? *folder : std::string(".");
}

int OpenError(const std::string& gamePath) {
  int fd = open(platform::HostPath(gamePath).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat info;
  bool folder = fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
  close(fd);
  return folder ? EISDIR : 0;
}
