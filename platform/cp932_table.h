#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// CP932 character by character, from a table made from glibc's converter, so that every build
// (the browser's too) converts the same way. CP932 has only characters of the Basic
// Multilingual Plane.

struct Cp932Character {
  char32_t codePoint;
  size_t bytes;  // 1 or 2; 0 when no character starts there
};
// The character that starts at text[at] (at < text.size()). A lead byte whose pair is not a
// character, or that is the last byte, is no character; neither is a byte CP932 does not use.
Cp932Character ReadCp932(std::string_view text, size_t at);

// The CP932 code of a character: below 0x100 a single byte, otherwise lead * 0x100 + trail;
// -1 when CP932 has none. Where several codes read as the character, this is the one
// Windows writes.
int32_t Cp932CodeOf(char32_t c);

}  // namespace platform
