#pragma once
#include <unistd.h>

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

// A working folder of the test's own while the object lives: the games read and write their
// settings and save files in the folder they run in, and tests run side by side.
class TempWorkingFolder {
 public:
  TempWorkingFolder() {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer)) previous_ = buffer;
    if (chdir(folder_.path().c_str()) != 0) previous_.clear();
  }
  ~TempWorkingFolder() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) std::abort();
  }
  TempWorkingFolder(const TempWorkingFolder&) = delete;
  TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;
  const std::string& path() const { return folder_.path(); }
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  TempDir folder_;
  std::string previous_;
};

}  // namespace testing_support
