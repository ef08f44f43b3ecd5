#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace platform {

bool ReadWholeFile(const std::string& hostPath, std::string& out) {
  out.clear();
  int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && size_t(info.st_size) <= kMaxFileBytes;
  try {
    // The size is only a hint: files of the proc file system report 0 and still have bytes.
    if (ok) out.reserve(size_t(info.st_size));
    char chunk[16384];
    while (ok) {
      ssize_t n = read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      if (out.size() + size_t(n) > kMaxFileBytes) ok = false;
      else out.append(chunk, size_t(n));
    }
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  close(fd);
  if (!ok) {
    out.clear();
    out.shrink_to_fit();
  }
  return ok;
}

}  // namespace platform
