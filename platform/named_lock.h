#pragma once
#include <string_view>

namespace platform {

// A name held by any number of holders at once, in this process or others, as a named mutex
// of Windows is held by its open handles: a program learns whether another holder already had
// the name, and so whether another copy of it runs. The name is held until the object goes
// away; when a process dies, however it dies, the system lets go of its holds (a lock file in
// LockFolder, locked with flock).
class NamedLock {
 public:
  // Takes hold of the name (CP932). When the lock folder or file cannot be used the result
  // holds nothing and had no other holder: the program runs as if it were the only one.
  static NamedLock Acquire(std::string_view nameCp932);

  NamedLock() = default;
  NamedLock(NamedLock&& other) noexcept;
  NamedLock& operator=(NamedLock&& other) noexcept;
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;
  ~NamedLock();

  bool holds() const { return fd_ >= 0; }
  // Whether another holder had the name when this one took it.
  bool hadOtherHolder() const { return hadOtherHolder_; }

 private:
  int fd_ = -1;
  bool hadOtherHolder_ = false;
};

}  // namespace platform
