#include "platform/profile_file.h"

#include <cctype>
#include <climits>
#include <optional>

#include "platform/file_read.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The value of the first key of that name in the first section of that name.
std::optional<std::string> Find(std::string_view section, std::string_view key, const std::string& path) {
  std::string contents;
  if (!ReadWholeFile(path, contents)) return std::nullopt;
  std::string_view rest = contents;
  bool inSection = false;
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    std::string_view text = Trim(line);
    if (!text.empty() && text.front() == '[') {
      size_t close = text.find(']');
      if (close == std::string_view::npos) continue;
      bool wanted = SameName(Trim(text.substr(1, close - 1)), section);
      // Only the first section of a name counts; a later one with that name is not read.
      if (inSection && !wanted) return std::nullopt;
      inSection = wanted;
      continue;
    }
    if (!inSection) continue;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos || !SameName(Trim(text.substr(0, equals)), key)) continue;
    std::string_view value = Trim(text.substr(equals + 1));
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
