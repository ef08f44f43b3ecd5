#include "platform/cp932_table.h"

#include <vector>

namespace platform {
namespace {

#include "platform/cp932_table.inc"

constexpr unsigned kTrailFirst = 0x40;
constexpr unsigned kTrailLast = 0xFC;
constexpr unsigned kLeadRows = sizeof kCp932DoubleBytes / sizeof kCp932DoubleBytes[0];

// Rows of kCp932DoubleBytes: the leads 0x81-0x9F, then 0xE0-0xFC.
unsigned LeadOfRow(unsigned row) { return row < 31 ? 0x81 + row : 0xE0 + row - 31; }

// Code point -> code, 0 for none; built once, on the first encoding.
std::vector<uint16_t> BuildCodes() {
  std::vector<uint16_t> codes(0x10000);
  auto claim = [&codes](char32_t c, unsigned code) {
    if (c != 0 && codes[c] == 0) codes[c] = uint16_t(code);
  };
  for (unsigned c = 1; c < 0x80; ++c) claim(c, c);
  for (unsigned byte = 0x80; byte <= 0xFF; ++byte) claim(kCp932HighBytes[byte - 0x80], byte);
  // Where a character has several codes the lowest wins, except that the rows 0xED and 0xEE
  // (NEC's copy of IBM's extension) yield to any other: Windows writes IBM's own rows.
  for (bool lateRows : {false, true}) {
    for (unsigned row = 0; row < kLeadRows; ++row) {
      unsigned lead = LeadOfRow(row);
      if ((lead == 0xED || lead == 0xEE) != lateRows) continue;
      for (unsigned trail = kTrailFirst; trail <= kTrailLast; ++trail)
        claim(kCp932DoubleBytes[row][trail - kTrailFirst], lead << 8 | trail);
    }
  }
  // Characters written with a code that reads back as another (U+00A5 YEN SIGN as '\'), and
  // any whose code differs from the rule above.
  for (const auto& [c, code] : kCp932EncodeExtras) codes[c] = code;
  return codes;
}

}  // namespace

Cp932Character ReadCp932(std::string_view text, size_t at) {
  unsigned char byte = text[at];
  if (byte < 0x80) return {byte, 1};
  unsigned row;
  if (byte >= 0x81 && byte <= 0x9F)
    row = byte - 0x81;
  else if (byte >= 0xE0 && byte <= 0xFC)
    row = byte - 0xE0 + 31;
  else
    return {kCp932HighBytes[byte - 0x80], kCp932HighBytes[byte - 0x80] != 0 ? 1u : 0u};
  if (at + 1 >= text.size()) return {0, 0};
  unsigned char trail = text[at + 1];
  if (trail < kTrailFirst || trail > kTrailLast) return {0, 0};
  char32_t c = kCp932DoubleBytes[row][trail - kTrailFirst];
  return {c, c != 0 ? 2u : 0u};
}

int32_t Cp932CodeOf(char32_t c) {
  if (c < 0x80) return int32_t(c);
  if (c > 0xFFFF) return -1;
  static const std::vector<uint16_t> codes = BuildCodes();
  return codes[c] != 0 ? codes[c] : -1;
}

}  // namespace platform
