#pragma once
#include <string>
#include <string_view>

namespace platform {

// What a search for a window by class and title needs, as Windows offers it to a program that
// looks for a running copy of itself: while a window with a class name exists, a record in
// LockFolder holds its class and its current title. The record is guarded by a lock that the
// system lets go of when the process dies, so a crashed program's record is never taken for a
// live window.
class WindowRecord {
 public:
  WindowRecord() = default;
  WindowRecord(const WindowRecord&) = delete;
  WindowRecord& operator=(const WindowRecord&) = delete;
  ~WindowRecord() { Withdraw(); }

  // Publishes the window; nothing for an empty class name, or when the lock folder cannot be
  // used (the window then works as before, it is only not found).
  void Publish(std::string_view classCp932, std::string_view titleCp932);
  // The new title replaces the old one in one step: a search sees one or the other.
  void SetTitle(std::string_view titleCp932);
  void Withdraw();
  bool published() const { return liveFd_ >= 0; }

 private:
  int liveFd_ = -1;  // locked while the window exists
  std::string titlePath_, livePath_;
};

// Whether a live window of the class (CP932) shows exactly the title (CP932), in this process
// or another. Records of windows whose process died are removed on the way.
bool PublishedWindowShows(std::string_view classCp932, std::string_view titleCp932);

}  // namespace platform
