#pragma once
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A name that opens but cannot be read, even for root (the tests may run as root, who reads
// any file whatever its mode bits): a link to the process's own memory file, whose first
// bytes are never mapped.
void MakeUnreadableFile(const std::string& path);
// A folder where a program expects a file.
void MakeFolder(const std::string& path);

}  // namespace testing_support
