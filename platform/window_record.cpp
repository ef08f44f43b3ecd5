#include "platform/window_record.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>

#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/lock_folder.h"

namespace platform {
namespace {

// Records are "window-<class in hex>-<id>.title" with the title's bytes, beside
// "...-<id>.live", which the window keeps locked. The id is new for every window, so a record
// left by a dead process never meets a live window of the same name.
constexpr std::string_view kTitleSuffix = ".title";
constexpr std::string_view kLiveSuffix = ".live";

std::string ClassPrefix(std::string_view classCp932) { return LockFileName("window-", classCp932, "-"); }

std::string NewWindowId() {
  static std::atomic<unsigned> counter{0};
  std::random_device entropy;
  char id[64];
  std::snprintf(id, sizeof id, "%ld-%u-%08x%08x", long(getpid()), counter++, unsigned(entropy()),
                unsigned(entropy()));
  return id;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

}  // namespace

void WindowRecord::Publish(std::string_view classCp932, std::string_view titleCp932) {
  Withdraw();
  std::optional<std::string> folder = LockFolder();
  std::string prefix = ClassPrefix(classCp932);
  if (!folder || prefix.empty()) return;
  std::string base = *folder + "/" + prefix + NewWindowId();
  std::string livePath = base + std::string(kLiveSuffix);
  // The live lock comes first and the title after it, so a search never finds a title whose
  // window has not locked its record yet.
  int fd = open(livePath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    unlink(livePath.c_str());
    return;
  }
  liveFd_ = fd;
  livePath_ = livePath;
  titlePath_ = base + std::string(kTitleSuffix);
  SetTitle(titleCp932);
}

void WindowRecord::SetTitle(std::string_view titleCp932) {
  if (!published()) return;
  // A record that could not be brought up to date is withdrawn rather than left claiming a
  // title the window no longer shows.
  if (!ReplaceFile(titlePath_, titleCp932)) Withdraw();
}

void WindowRecord::Withdraw() {
  if (!published()) return;
  // Title first: a title without its live file is never taken for a window.
  unlink(titlePath_.c_str());
  unlink(livePath_.c_str());
  close(liveFd_);
  liveFd_ = -1;
  titlePath_.clear();
  livePath_.clear();
}

bool PublishedWindowShows(std::string_view classCp932, std::string_view titleCp932) {
  std::optional<std::string> folder = LockFolder();
  std::string prefix = ClassPrefix(classCp932);
  if (!folder || prefix.empty()) return false;
  DIR* dir = opendir(folder->c_str());
  if (!dir) return false;
  bool found = false;
  while (!found) {
    dirent* entry = readdir(dir);
    if (!entry) break;
    std::string_view name = entry->d_name;
    if (name.substr(0, prefix.size()) != prefix || !EndsWith(name, kTitleSuffix)) continue;
    std::string base = *folder + "/" + std::string(name.substr(0, name.size() - kTitleSuffix.size()));
    std::string titlePath = base + std::string(kTitleSuffix);
    std::string livePath = base + std::string(kLiveSuffix);
    int fd = open(livePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno == ENOENT) unlink(titlePath.c_str());  // its window is gone
      continue;
    }
    if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
      // Nobody holds the live lock: the window's process died without withdrawing it.
      unlink(titlePath.c_str());
      unlink(livePath.c_str());
    } else {
      std::string title;
      found = ReadWholeFile(titlePath, title) && title == titleCp932;
    }
    close(fd);
  }
  closedir(dir);
  return found;
}

}  // namespace platform
