#include "platform/profile_file.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "platform/file_read.h"
#include "platform/profile_lines.h"

namespace platform {
namespace {

// The value of the first key of that name in the first section of that name.
std::optional<std::string> Find(std::string_view section, std::string_view key, const std::string& path) {
  std::string contents;
  if (!ReadWholeFile(path, contents)) return std::nullopt;
  bool inSection = false;
  size_t pos = 0;
  ProfileLine line;
  while (NextProfileLine(contents, pos, line)) {
    if (line.kind == ProfileLineKind::Section) {
      bool wanted = SameProfileName(line.name, section);
      // Only the first section of a name counts; a later one with that name is not read.
      if (inSection && !wanted) return std::nullopt;
      inSection = wanted;
      continue;
    }
    if (!inSection || line.kind != ProfileLineKind::Key || !SameProfileName(line.name, key)) continue;
    std::string_view value(contents.data() + line.valueBegin, line.valueEnd - line.valueBegin);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value);
  }
  return std::nullopt;
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, size_t bufferSize,
                              const std::string& hostPath) {
  if (bufferSize == 0) return std::string();
  std::optional<std::string> value = Find(section, key, hostPath);
  std::string result;
  if (value) {
    result = *value;
  } else {
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    result = std::string(fallback);
  }
  if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
  return result;
}

int ReadProfileInt(std::string_view section, std::string_view key, int fallback,
                   const std::string& hostPath) {
  std::optional<std::string> value = Find(section, key, hostPath);
  if (!value || value->empty()) return fallback;
  const char* p = value->c_str();
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long number = 0;
  for (; *p >= '0' && *p <= '9'; ++p) number = std::min<long long>(number * 10 + (*p - '0'), 1LL << 40);
  if (negative) number = -number;
  if (number > INT_MAX) return INT_MAX;
  if (number < INT_MIN) return INT_MIN;
  return int(number);
}

}  // namespace platform
