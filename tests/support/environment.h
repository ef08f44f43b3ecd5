#pragma once
#include <cstdlib>
#include <string>

#include "tests/support/temp_dir.h"

namespace testing_support {

// Sets an environment variable (or removes it, for a null value) while the object lives, and
// puts back what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
      hadOld_ = true;
    }
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (hadOld_) setenv(name_.c_str(), old_.c_str(), 1);
    else unsetenv(name_.c_str());
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_, old_;
  bool hadOld_ = false;
};

// A lock folder of the test's own (GAMES_LOCK_DIR), so that single-instance guards and window
// records of one test never meet another's or a running game's.
class TempLockFolder {
 public:
  const std::string& path() const { return folder_.path(); }

 private:
  TempDir folder_;
  ScopedEnvironment redirect_{"GAMES_LOCK_DIR", folder_.path().c_str()};
};

}  // namespace testing_support
