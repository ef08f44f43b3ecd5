#include "platform/atomic_file.h"

#include "platform/browser_storage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {

bool ReplaceFile(const std::string& hostPath, std::string_view bytes) {
  // A name of our own beside the target, so the rename stays on the same file system.
  std::string temporary = hostPath + ".tmp" + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += size_t(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), hostPath.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  if (ok) KeepWrittenFile(hostPath);
  return ok;
}

}  // namespace platform
