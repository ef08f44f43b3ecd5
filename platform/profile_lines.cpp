#include "platform/profile_lines.h"

#include "platform/text_encoding.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The offsets of s[from, to) without the blanks at either end (a '\r' counts as one).
void TrimRange(std::string_view s, size_t& from, size_t& to) {
  while (from < to && IsBlank(s[from])) ++from;
  while (to > from && IsBlank(s[to - 1])) --to;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

bool NextProfileLine(std::string_view text, size_t& pos, ProfileLine& out) {
  if (pos >= text.size()) return false;
  out = ProfileLine{};
  out.begin = pos;
  size_t newline = text.find('\n', pos);
  size_t end = newline == std::string_view::npos ? text.size() : newline;
  out.next = newline == std::string_view::npos ? text.size() : newline + 1;
  pos = out.next;

  size_t from = out.begin, to = end;
  TrimRange(text, from, to);
  out.blank = from == to;
  if (out.blank) return true;
  std::string_view trimmed = text.substr(from, to - from);
  if (trimmed.front() == '[') {
    // A '[' line without its ']' is neither a section nor a key.
    size_t close = FindSjis(trimmed, "]", 1);
    if (close == std::string_view::npos) return true;
    size_t nameFrom = from + 1, nameTo = from + close;
    TrimRange(text, nameFrom, nameTo);
    out.kind = ProfileLineKind::Section;
    out.name = text.substr(nameFrom, nameTo - nameFrom);
    return true;
  }
  size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return true;
  size_t nameFrom = from, nameTo = from + equals;
  TrimRange(text, nameFrom, nameTo);
  out.kind = ProfileLineKind::Key;
  out.name = text.substr(nameFrom, nameTo - nameFrom);
  out.valueBegin = from + equals + 1;
  out.valueEnd = to;
  TrimRange(text, out.valueBegin, out.valueEnd);
  return true;
}

bool SameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsSjisLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace platform
