#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

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
