#include <sys/stat.h>

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/profile_file.h"
#include "platform/profile_lines.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

bool HasLineEnd(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Names and values that would read back as something else, or add lines of their own.
bool Writable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || key.empty()) return false;
  if (HasLineEnd(section) || HasLineEnd(key) || HasLineEnd(value)) return false;
  if (FindSjis(section, "]") != std::string_view::npos) return false;
  return key.find('=') == std::string_view::npos && key.front() != '[';
}

// The file's bytes, or empty for a file that does not exist yet; false when it exists (or
// may exist) but cannot be read.
bool ReadExisting(const std::string& hostPath, std::string& contents) {
  if (ReadWholeFile(hostPath, contents)) return true;
  struct stat info;
  return lstat(hostPath.c_str(), &info) != 0 && errno == ENOENT;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += value;
  line += "\r\n";
  return line;
}

// The line end to put before new text at pos: none when pos starts a line.
std::string_view LineEndBefore(std::string_view contents, size_t pos) {
  return pos == 0 || contents[pos - 1] == '\n' ? std::string_view() : std::string_view("\r\n");
}

}  // namespace

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& hostPath) {
  if (!Writable(section, key, value)) return false;
  std::string contents;
  if (!ReadExisting(hostPath, contents)) return false;

  // The section's extent is found as the reader finds it: from the first header of the name
  // to the next header of another name.
  bool inSection = false, sectionSeen = false;
  size_t insertAt = 0;  // just past the section's last non-blank line
  size_t pos = 0;
  ProfileLine line;
  while (NextProfileLine(contents, pos, line)) {
    if (line.kind == ProfileLineKind::Section) {
      bool wanted = SameProfileName(line.name, section);
      if (inSection && !wanted) break;
      inSection = wanted;
      sectionSeen = sectionSeen || wanted;
    }
    if (!inSection) continue;
    if (line.kind == ProfileLineKind::Key && SameProfileName(line.name, key)) {
      contents.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
      return ReplaceFile(hostPath, contents);
    }
    if (!line.blank) insertAt = line.next;
  }

  if (sectionSeen) {
    std::string added(LineEndBefore(contents, insertAt));
    added += KeyLine(key, value);
    contents.insert(insertAt, added);
  } else {
    contents += LineEndBefore(contents, contents.size());
    contents += '[';
    contents += section;
    contents += "]\r\n";
    contents += KeyLine(key, value);
  }
  return ReplaceFile(hostPath, contents);
}

}  // namespace platform
