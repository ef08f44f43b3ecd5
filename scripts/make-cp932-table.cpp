// Writes platform/cp932_table.inc, the CP932 character table the platform layer converts with,
// by asking glibc's iconv ("CP932") about every single byte, every double-byte code and every
// code point. glibc is the reference: the table converts exactly as it does.
// Built and run by scripts/make-cp932-table; prints the table on standard output.
//
// What the table holds (and what platform/cp932_table.cpp expects of it):
//   kCp932HighBytes    the character of each single byte 0x80-0xFF, 0 when the byte is none by
//                      itself (a lead byte, or a byte CP932 does not use). Bytes below 0x80 are
//                      ASCII both ways; this program checks that.
//   kCp932DoubleBytes  [lead][trail - 0x40] for the leads 0x81-0x9F then 0xE0-0xFC and the
//                      trails 0x40-0xFC; 0 = no character.
//   kCp932EncodeExtras {code point, code} where encoding differs from reading the two tables
//                      backwards with "the lowest code wins, the rows 0xED and 0xEE last"; a code
//                      of 0 means the character has none.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kTrailFirst = 0x40;
constexpr int kTrailLast = 0xFC;
constexpr int kTrailCount = kTrailLast - kTrailFirst + 1;

bool IsLead(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::vector<int> Leads() {
  std::vector<int> leads;
  for (int lead = 0x81; lead <= 0xFC; ++lead)
    if (IsLead(lead)) leads.push_back(lead);
  return leads;
}

// Runs one whole input through a fresh conversion state; nothing when iconv refuses any of it.
bool Run(iconv_t cd, std::string input, std::string& output) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buffer[64];
  char* in = input.data();
  size_t inLeft = input.size();
  char* out = buffer;
  size_t outLeft = sizeof buffer;
  size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  output.assign(buffer, out);
  return result != size_t(-1) && inLeft == 0;
}

// The one code point that a CP932 byte sequence decodes to, or -1.
long Decode(iconv_t toUtf32, const std::string& bytes) {
  std::string out;
  if (!Run(toUtf32, bytes, out) || out.size() != 4) return -1;
  long c = 0;
  for (unsigned char b : out) c = c << 8 | b;
  return c;
}

// The CP932 code of one code point (a single byte below 0x100), or 0 when it has none.
unsigned Encode(iconv_t fromUtf32, uint32_t c) {
  std::string in = {char(c >> 24), char(c >> 16), char(c >> 8), char(c)};
  std::string out;
  if (!Run(fromUtf32, in, out) || out.empty() || out.size() > 2) return 0;
  unsigned code = 0;
  for (unsigned char b : out) code = code << 8 | b;
  return code;
}

int Fail(const char* what, long value) {
  std::fprintf(stderr, "make-cp932-table: %s (0x%lX); the table cannot describe this\n", what, value);
  return 1;
}

// Numbers in hex, `perLine` to a line, 0 written short.
void PrintNumbers(const std::vector<unsigned>& numbers, size_t perLine, const char* indent) {
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i % perLine == 0) std::printf("%s", indent);
    if (numbers[i] == 0)
      std::printf("0,");
    else
      std::printf("0x%X,", numbers[i]);
    bool lineEnd = i % perLine == perLine - 1 || i + 1 == numbers.size();
    std::printf(lineEnd ? "\n" : " ");
  }
}

}  // namespace

int main() {
  iconv_t toUtf32 = iconv_open("UTF-32BE", "CP932");
  iconv_t fromUtf32 = iconv_open("CP932", "UTF-32BE");
  if (toUtf32 == reinterpret_cast<iconv_t>(-1) || fromUtf32 == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "make-cp932-table: this C library's iconv has no CP932\n");
    return 1;
  }

  for (unsigned c = 0; c < 0x80; ++c) {
    if (Decode(toUtf32, std::string(1, char(c))) != long(c)) return Fail("a byte below 0x80 is not ASCII", c);
    if (Encode(fromUtf32, c) != c) return Fail("an ASCII character has another code", c);
  }

  // The decode tables, and the reverse map built the way the platform layer builds it.
  std::vector<unsigned> highBytes(0x80);
  std::vector<unsigned> doubleBytes;
  std::vector<unsigned> reverse(0x10000);
  auto claim = [&reverse](long c, unsigned code) {
    if (reverse[c] == 0) reverse[c] = code;
  };
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    long c = Decode(toUtf32, std::string(1, char(byte)));
    if (c < 0) continue;
    if (IsLead(byte)) return Fail("a lead byte is a character by itself", byte);
    if (c == 0 || c > 0xFFFF) return Fail("a single byte decodes outside U+0001-U+FFFF", byte);
    highBytes[byte - 0x80] = unsigned(c);
    claim(c, unsigned(byte));
  }
  for (int lead : Leads()) {
    for (int trail = 0; trail <= 0xFF; ++trail) {
      long c = Decode(toUtf32, std::string{char(lead), char(trail)});
      bool inTable = trail >= kTrailFirst && trail <= kTrailLast;
      if (inTable) doubleBytes.push_back(c < 0 ? 0 : unsigned(c));
      if (c < 0) continue;
      if (!inTable) return Fail("a code outside the trails 0x40-0xFC is a character", lead << 8 | trail);
      if (c == 0 || c > 0xFFFF) return Fail("a code decodes outside U+0001-U+FFFF", lead << 8 | trail);
    }
  }
  for (int pass = 0; pass < 2; ++pass) {
    const std::vector<int> leads = Leads();
    for (size_t row = 0; row < leads.size(); ++row) {
      bool lateRow = leads[row] == 0xED || leads[row] == 0xEE;
      if (lateRow != (pass == 1)) continue;
      for (int t = 0; t < kTrailCount; ++t) {
        unsigned c = doubleBytes[row * kTrailCount + t];
        if (c != 0) claim(c, unsigned(leads[row] << 8 | (kTrailFirst + t)));
      }
    }
  }

  std::vector<std::pair<unsigned, unsigned>> extras;
  for (uint32_t c = 0x80; c < 0x110000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    unsigned code = Encode(fromUtf32, c);
    if (c > 0xFFFF) {
      if (code != 0) return Fail("a code point above U+FFFF has a code", c);
      continue;
    }
    if (code != reverse[c]) extras.emplace_back(c, code);
  }
  iconv_close(toUtf32);
  iconv_close(fromUtf32);

  std::printf(
      "// Generated by scripts/make-cp932-table from glibc's iconv CP932 converter: do not edit.\n"
      "// What each table holds: scripts/make-cp932-table.cpp.\n\n");
  std::printf("const uint16_t kCp932HighBytes[0x80] = {\n");
  PrintNumbers(highBytes, 12, "    ");
  std::printf("};\n\n");
  std::printf("const uint16_t kCp932DoubleBytes[%zu][%d] = {\n", Leads().size(), kTrailCount);
  const std::vector<int> leads = Leads();
  for (size_t row = 0; row < leads.size(); ++row) {
    std::printf("    {  // 0x%X\n", leads[row]);
    PrintNumbers(std::vector<unsigned>(doubleBytes.begin() + row * kTrailCount,
                                       doubleBytes.begin() + (row + 1) * kTrailCount),
                 12, "    ");
    std::printf("    },\n");
  }
  std::printf("};\n\n");
  std::printf("const uint16_t kCp932EncodeExtras[%zu][2] = {\n", extras.size());
  for (size_t i = 0; i < extras.size(); ++i) {
    bool lineEnd = i % 6 == 5 || i + 1 == extras.size();
    std::printf("%s{0x%X, 0x%X},%s", i % 6 == 0 ? "    " : "", extras[i].first, extras[i].second,
                lineEnd ? "\n" : " ");
  }
  std::printf("};\n");
  return 0;
}
