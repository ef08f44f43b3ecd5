#include "platform/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <random>
#include <vector>

namespace platform {
namespace {

// The conversions as glibc's iconv does them, with the same handling of bad input: the
// reference the table-driven converter must equal.
class GlibcCp932 {
 public:
  GlibcCp932()
      : toUtf8_(iconv_open("UTF-8", "CP932")), toCp932_(iconv_open("CP932", "UTF-8")) {}
  ~GlibcCp932() {
    if (Usable()) {
      iconv_close(toUtf8_);
      iconv_close(toCp932_);
    }
  }
  GlibcCp932(const GlibcCp932&) = delete;
  GlibcCp932& operator=(const GlibcCp932&) = delete;

  bool Usable() const {
    return toUtf8_ != reinterpret_cast<iconv_t>(-1) && toCp932_ != reinterpret_cast<iconv_t>(-1);
  }

  // A bad byte becomes U+FFFD and only that byte is skipped.
  std::string Utf8FromCp932(std::string_view cp932) {
    std::string out;
    Convert(toUtf8_, cp932, out, [](std::string& o, size_t) {
      o += "\xEF\xBF\xBD";
      return size_t(1);
    });
    return out;
  }
  std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
    std::string out;
    if (!Convert(toCp932_, utf8, out, [](std::string&, size_t) { return size_t(0); }))
      return std::nullopt;
    return out;
  }
  // An unconvertible character becomes '?', skipping its first byte and the continuation
  // bytes after it.
  std::string Cp932Literal(std::string_view utf8) {
    std::string out;
    Convert(toCp932_, utf8, out, [utf8](std::string& o, size_t left) {
      size_t at = utf8.size() - left;
      size_t length = 1;
      while (at + length < utf8.size() && (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80)
        ++length;
      o += '?';
      return length;
    });
    return out;
  }

 private:
  // onBad appends a replacement and returns the input bytes to skip, or 0 to give up.
  template <typename OnBad>
  static bool Convert(iconv_t cd, std::string_view input, std::string& output, OnBad onBad) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buffer(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
      char* out = buffer.data();
      size_t outLeft = buffer.size();
      size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
      output.append(buffer.data(), out);
      if (result != size_t(-1)) break;
      if (errno == E2BIG) continue;
      size_t skip = onBad(output, inLeft);
      if (skip == 0) return false;
      in += skip;
      inLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
  }

  iconv_t toUtf8_;
  iconv_t toCp932_;
};

std::string Hex(std::string_view bytes) {
  std::string out;
  char digits[4];
  for (unsigned char b : bytes) {
    std::snprintf(digits, sizeof digits, "%02X ", b);
    out += digits;
  }
  return out;
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
  } else if (c < 0x10000) {
    out += {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
  } else {
    out += {char(0xF0 | c >> 18), char(0x80 | (c >> 12 & 0x3F)), char(0x80 | (c >> 6 & 0x3F)),
            char(0x80 | (c & 0x3F))};
  }
  return out;
}

class Cp932MatchesGlibc : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!glibc.Usable()) GTEST_SKIP() << "this C library's iconv has no CP932";
  }
  GlibcCp932 glibc;
};

TEST_F(Cp932MatchesGlibc, EverySingleByte) {
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const std::string text(1, char(byte));
    EXPECT_EQ(Utf8FromCp932(text), glibc.Utf8FromCp932(text)) << "byte " << Hex(text);
  }
}

TEST_F(Cp932MatchesGlibc, EveryPairAfterALeadByte) {
  // All 256 second bytes, so pairs that are no character (and what follows them) count too.
  int mismatches = 0;
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    if (!IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0; trail <= 0xFF; ++trail) {
      const std::string text = {char(lead), char(trail)};
      std::string expected = glibc.Utf8FromCp932(text);
      if (Utf8FromCp932(text) != expected && ++mismatches <= 20)
        ADD_FAILURE() << "code " << Hex(text) << "reads as " << Hex(Utf8FromCp932(text))
                      << "but glibc reads " << Hex(expected);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(Cp932MatchesGlibc, EveryBasicPlaneCharacterAndSomeBeyond) {
  // Characters with several codes must get glibc's choice; some (U+00A5) get a code that
  // reads back as another character.
  std::vector<char32_t> characters;
  for (char32_t c = 0; c < 0x10000; ++c)
    if (c < 0xD800 || c > 0xDFFF) characters.push_back(c);
  for (char32_t c : {0x10000, 0x1F600, 0x20B9F, 0x10FFFF}) characters.push_back(c);
  int mismatches = 0;
  for (char32_t c : characters) {
    const std::string text = Utf8Of(c);
    std::optional<std::string> expected = glibc.Cp932FromUtf8(text);
    std::optional<std::string> actual = Cp932FromUtf8(text);
    bool same = actual == expected && Cp932Literal(text) == glibc.Cp932Literal(text);
    if (!same && ++mismatches <= 20)
      ADD_FAILURE() << "U+" << std::hex << uint32_t(c) << " encodes as "
                    << (actual ? Hex(*actual) : "nothing") << " but glibc gives "
                    << (expected ? Hex(*expected) : "nothing");
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(Cp932MatchesGlibc, InvalidAndCutOffUtf8) {
  const std::vector<std::string> texts = {
      "\x80",  "a\xBFz",  "\xC0\x80",  "\xC1\xBF",  "\xC3",  "a\xC3(",  "\xE3\x81",  "\xE3\x81" "a",
      "\xE0\x80\x80",  "\xE0\x9F\xBF",  "\xED\xA0\x80",  "\xED\xBF\xBF",  "\xF0\x8F\xBF\xBF",
      "\xF4\x90\x80\x80",  "\xF5\x80\x80\x80",  "\xF8\x88\x80\x80\x80",  "\xFE",  "\xFF",
      "\xF0\x9F\x98",  "\xE3\x81\x82\x80\x80z",  "\xE2\x98\x83\x80x",  "\xC3\xC3\xA9",
      "\xE3\x81\x82\xE3\x81",  "ok\xED\x9F\xBF",  "\xEF\xBF\xBF",  "\xF4\x8F\xBF\xBF"};
  for (const std::string& text : texts) {
    EXPECT_EQ(Cp932FromUtf8(text), glibc.Cp932FromUtf8(text)) << Hex(text);
    EXPECT_EQ(Cp932Literal(text), glibc.Cp932Literal(text)) << Hex(text);
  }
}

TEST_F(Cp932MatchesGlibc, RandomTextsBothWays) {
  // Texts built from bytes that start, continue, break or cut off characters, in both
  // encodings; a fixed seed keeps any failure repeatable.
  std::mt19937 random(932);
  const std::vector<std::string> utf8Pieces = {
      "a", "\\", "~", "\x80", "\xBF", "\xC2", "\xC3\xA9", "\xE3", "\xE3\x81", "\xE3\x81\x82",
      "\xED\xA0", "\xEF\xBD\x9E", "\xF0", "\xF0\x9F\x98\x80", "\xF4\x90", "\xFF",
      "\xC2\xA5", "\xE2\x80\x94", "\xE2\x85\xB0", "\xEF\xA8\x90"};
  const std::vector<std::string> cp932Pieces = {
      "a", "\\", "\x80", "\xA0", "\xA1", "\xDF", "\xFD", "\xFF", "\x81", "\x81\x40", "\x81\x7F",
      "\x83\x5C", "\x85", "\x87\x40", "\xEA\xA4", "\xED\x40", "\xF0\x40", "\xFC\x4B", "\xFC\x4C",
      "\x9F", "\xE0"};
  auto randomText = [&random](const std::vector<std::string>& pieces) {
    std::string text;
    for (int n = std::uniform_int_distribution<int>(1, 8)(random); n > 0; --n)
      text += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string utf8 = randomText(utf8Pieces);
    ASSERT_EQ(Cp932FromUtf8(utf8), glibc.Cp932FromUtf8(utf8)) << Hex(utf8);
    ASSERT_EQ(Cp932Literal(utf8), glibc.Cp932Literal(utf8)) << Hex(utf8);
    const std::string cp932 = randomText(cp932Pieces);
    ASSERT_EQ(Utf8FromCp932(cp932), glibc.Utf8FromCp932(cp932)) << Hex(cp932);
  }
}

TEST(Cp932, ConvertsJapaneseBothWays) {
  // "終了" in CP932.
  const std::string sjis = "\x8F\x49\x97\xB9";
  EXPECT_EQ(Utf8FromCp932(sjis), "終了");
  EXPECT_EQ(Cp932FromUtf8("終了"), sjis);
}

TEST(Cp932, UsesWindowsTableNotPlainShiftJis) {
  // The wave dash of CP932 (0x81 0x60) is U+FF5E FULLWIDTH TILDE; plain Shift-JIS maps it
  // to U+301C, which would garble texts written on Windows.
  EXPECT_EQ(Utf8FromCp932("\x81\x60"), "～");
  EXPECT_EQ(Cp932FromUtf8("～"), std::string("\x81\x60"));
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf8FromCp932("a\x80z"), "a\xEF\xBF\xBDz");
  EXPECT_EQ(Utf8FromCp932("ab\x81"), "ab\xEF\xBF\xBD");  // a lead byte cut off at the end
}

TEST(Cp932, RefusesCharactersItCannotHold) {
  EXPECT_FALSE(Cp932FromUtf8("snow ☃").has_value());
  EXPECT_EQ(Cp932Literal("a☃b"), "a?b");
}

TEST(Cp932, AnyBytesGiveValidUtf8) {
  std::string bytes;
  for (int b = 0; b <= 0xFF; ++b) bytes += char(b);
  for (int b = 0xFF; b >= 0; --b) bytes += char(b);
  std::string utf8 = Utf8FromCp932(bytes);
  // Valid UTF-8 with the replacements taken out converts back without a loss.
  for (size_t at; (at = utf8.find("\xEF\xBF\xBD")) != std::string::npos;) utf8.erase(at, 3);
  EXPECT_TRUE(Cp932FromUtf8(utf8).has_value());
}

TEST(Cp932, CharactersWithSeveralCodesGetTheOneWindowsWrites) {
  EXPECT_EQ(Cp932FromUtf8("Ⅰ"), std::string("\x87\x54"));  // NEC row 13, not IBM's 0xFA4A
  EXPECT_EQ(Cp932FromUtf8("ⅰ"), std::string("\xFA\x40"));  // IBM's row, not NEC's copy 0xEEEF
  EXPECT_EQ(Cp932FromUtf8("∵"), std::string("\x81\xE6"));  // JIS first, of three codes
  EXPECT_EQ(Utf8FromCp932("\xEE\xEF\xFA\x40"), "ⅰⅰ");     // both still read
  // Written but never read back: the yen sign as '\', the em dash as the JIS horizontal bar.
  EXPECT_EQ(Cp932FromUtf8("¥"), std::string("\\"));
  EXPECT_EQ(Cp932FromUtf8("—"), std::string("\x81\x5C"));
  EXPECT_EQ(Utf8FromCp932("\x81\x5C"), "―");
}

TEST(SjisSearch, NeverMatchesTheSecondByteOfACharacter) {
  // "ソ" is 0x83 0x5C: its second byte looks like a backslash.
  const std::string text = "\x83\x5C" "a\\b";
  EXPECT_EQ(FindSjis(text, "\\"), 3u);
  EXPECT_EQ(FindLastSjis(text, '\\'), 3u);
  EXPECT_EQ(FindLastSjis("\x83\x5C", '\\'), std::string::npos);
  // "=" as a second byte: 0x81 0x3D is not a character of CP932, but the rule is by lead byte.
  EXPECT_EQ(FindSjis("\x81=x=y", "="), 3u);
  EXPECT_EQ(FindSjis("one  two", " ", 4), 4u);
  EXPECT_EQ(FindSjis("abc", "d"), std::string::npos);
}

}  // namespace
}  // namespace platform
