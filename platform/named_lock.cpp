#include "platform/named_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/lock_folder.h"

namespace platform {
namespace {

int Flock(int fd, int operation) {
  int result;
  do result = flock(fd, operation);
  while (result != 0 && errno == EINTR);
  return result;
}

}  // namespace

// Every holder keeps a shared lock on the name's file. To learn whether there is another, a
// new holder tries for an exclusive lock first and then turns it into a shared one; flock does
// not make that change in one step, so the whole test runs under an exclusive lock on the
// folder, and two holders can never both find the name free.
NamedLock NamedLock::Acquire(std::string_view nameCp932) {
  NamedLock lock;
  std::optional<std::string> folder = LockFolder();
  std::string fileName = LockFileName("name-", nameCp932, ".lock");
  if (!folder || fileName.empty()) return lock;
  int guard = open(folder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (guard < 0) return lock;
  if (Flock(guard, LOCK_EX) == 0) {
    std::string path = *folder + "/" + fileName;
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      bool free = Flock(fd, LOCK_EX | LOCK_NB) == 0;
      bool otherHolder = !free && errno == EWOULDBLOCK;
      // Under the folder's lock nobody else holds the file exclusively, so this never waits.
      if ((free || otherHolder) && Flock(fd, LOCK_SH | LOCK_NB) == 0) {
        lock.fd_ = fd;
        lock.hadOtherHolder_ = otherHolder;
      } else {
        close(fd);
      }
    }
  }
  close(guard);
  return lock;
}

NamedLock::NamedLock(NamedLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), hadOtherHolder_(other.hadOtherHolder_) {}

NamedLock& NamedLock::operator=(NamedLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    hadOtherHolder_ = other.hadOtherHolder_;
  }
  return *this;
}

// The file stays: removing a lock file that another process has just opened would let two
// holders lock two different files of one name.
NamedLock::~NamedLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace platform
