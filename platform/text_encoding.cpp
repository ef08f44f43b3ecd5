#include "platform/text_encoding.h"

#include "platform/cp932_table.h"

namespace platform {
namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | c >> 6);
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | c >> 12);
    out += char(0x80 | (c >> 6 & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | c >> 18);
    out += char(0x80 | (c >> 12 & 0x3F));
    out += char(0x80 | (c >> 6 & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

struct Utf8Character {
  char32_t codePoint;
  size_t bytes;  // 0 when no valid character starts there
};

// The UTF-8 character at text[at]. Invalid: a stray continuation byte, an overlong form, a
// surrogate, a code point past U+10FFFF, a sequence cut short.
Utf8Character ReadUtf8(std::string_view text, size_t at) {
  unsigned char lead = text[at];
  if (lead < 0x80) return {lead, 1};
  size_t bytes;
  char32_t c;
  char32_t least;
  if (lead >= 0xC2 && lead <= 0xDF) {
    bytes = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    bytes = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    bytes = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() - at < bytes) return {0, 0};
  for (size_t k = 1; k < bytes; ++k) {
    unsigned char next = text[at + k];
    if (!IsContinuationByte(next)) return {0, 0};
    c = c << 6 | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
  return {c, bytes};
}

// Appends the CP932 code of c; false when CP932 has none.
bool AppendCp932(char32_t c, std::string& out) {
  int32_t code = Cp932CodeOf(c);
  if (code < 0) return false;
  if (code >= 0x100) out += char(code >> 8);
  out += char(code & 0xFF);
  return true;
}

}  // namespace

std::string Utf8FromCp932(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size());
  for (size_t at = 0; at < cp932.size();) {
    Cp932Character c = ReadCp932(cp932, at);
    if (c.bytes == 0) {
      // Only the bad byte is replaced: the byte after a lead byte may start a character itself.
      out += kReplacementCharacter;
      ++at;
      continue;
    }
    AppendUtf8(c.codePoint, out);
    at += c.bytes;
  }
  return out;
}

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    Utf8Character c = ReadUtf8(utf8, at);
    if (c.bytes == 0 || !AppendCp932(c.codePoint, out)) return std::nullopt;
    at += c.bytes;
  }
  return out;
}

std::string Cp932Literal(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    Utf8Character c = ReadUtf8(utf8, at);
    if (c.bytes != 0 && AppendCp932(c.codePoint, out)) {
      at += c.bytes;
      continue;
    }
    // One '?' for the whole character: its first byte and the continuation bytes after it.
    out += '?';
    ++at;
    while (at < utf8.size() && IsContinuationByte(utf8[at])) ++at;
  }
  return out;
}

size_t FindSjis(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  size_t i = 0;
  while (i < text.size()) {
    if (i >= from && text.compare(i, needle.size(), needle) == 0) return i;
    i += IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return std::string_view::npos;
}

size_t FindLastSjis(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == c) found = i;
    i += IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return found;
}

}  // namespace platform
