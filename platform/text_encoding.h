#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Texts inside the games are CP932 (Shift-JIS as Windows has it). A lead byte and the byte
// after it form one character; that second byte may look like '\\', '=' or ' '.
constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// CP932 to UTF-8. Bytes that are not CP932 become U+FFFD, so the result is always valid UTF-8.
std::string Utf8FromCp932(std::string_view cp932);
// UTF-8 to CP932, or nothing when the text holds a character CP932 has not got.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);
// For the games' literal texts, which are all CP932 characters: an unconvertible character
// becomes '?' rather than losing the whole text.
std::string Cp932Literal(std::string_view utf8);

// The first occurrence of needle in text at or after from, never starting on the second byte
// of a double-byte character; npos when there is none.
size_t FindSjis(std::string_view text, std::string_view needle, size_t from = 0);
// The position of the last single-byte character c, npos when there is none.
size_t FindLastSjis(std::string_view text, char c);

}  // namespace platform
