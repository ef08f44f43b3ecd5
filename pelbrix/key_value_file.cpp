#include "pelbrix/key_value_file.h"

#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/game_path.h"
#include "platform/text_encoding.h"

namespace {

std::string_view KeyOf(std::string_view line) {
  size_t equals = platform::FindSjis(line, "=");
  return equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
}

}  // namespace

bool KeyValueFile::Load(const std::string& path) {
  lines.clear();
  std::string contents;
  if (!platform::ReadWholeFile(platform::HostPath(path), contents)) return false;
  Read(contents);
  return true;
}

void KeyValueFile::Read(std::string_view contents) {
  lines.clear();
  size_t at = 0;
  while (at < contents.size()) {
    size_t end = contents.find('\n', at);
    bool lastLine = end == std::string_view::npos;
    std::string_view line = contents.substr(at, lastLine ? std::string_view::npos : end - at);
    if (!lastLine && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineLength) return;
    lines.emplace_back(line);
    if (lastLine) return;
    at = end + 1;
  }
}

bool KeyValueFile::Save(const std::string& path) const {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return platform::ReplaceFile(platform::HostPath(path), text);
}

int KeyValueFile::FindKey(std::string_view key) const {
  for (size_t i = 0; i < lines.size(); ++i)
    if (KeyOf(lines[i]) == key) return int(i);
  return -1;
}

std::string KeyValueFile::GetValue(std::string_view key) const {
  int index = FindKey(key);
  if (index < 0) return std::string();
  std::string_view line = lines[size_t(index)];
  size_t equals = platform::FindSjis(line, "=");
  return equals == std::string_view::npos ? std::string() : std::string(line.substr(equals + 1));
}

void KeyValueFile::SetValue(std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  int index = FindKey(key);
  if (index < 0)
    lines.push_back(std::move(line));
  else
    lines[size_t(index)] = std::move(line);
}

std::string FieldOf(std::string_view text, int n, std::string_view delimiter) {
  for (int i = 0; i < n; ++i) {
    size_t found = platform::FindSjis(text, delimiter);
    if (found == std::string_view::npos) return std::string();
    text.remove_prefix(found + delimiter.size());
  }
  return std::string(text.substr(0, platform::FindSjis(text, delimiter)));
}
