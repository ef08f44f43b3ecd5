// Key-value files and field splitting: the line rules, the search rules and saving.
#include "pelbrix/key_value_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "platform/game_path.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

std::string GamePathOf(const std::string& hostPath) { return *platform::GamePath(hostPath); }

TEST(KeyValueFile, HighScoreLineGivesItsKeyAndTwelveDigits) {
  KeyValueFile file;
  file.Read("HighScore=000123456789\r\n");
  EXPECT_EQ(file.FindKey("HighScore"), 0);
  EXPECT_EQ(file.GetValue("HighScore"), "000123456789");
  EXPECT_EQ(file.GetValue("highscore"), "") << "keys compare case-sensitively";
  EXPECT_EQ(file.GetValue("HighScor"), "") << "keys compare whole";
}

TEST(KeyValueFile, KeyEndsAtTheFirstEqualsSign) {
  KeyValueFile file;
  file.Read("a=b=c\nnoequals\n=bare\n");
  EXPECT_EQ(file.GetValue("a"), "b=c");
  // A line without '=' has an empty key and an empty value; an empty key is a key like any.
  EXPECT_EQ(file.FindKey(""), 1);
  EXPECT_EQ(file.GetValue(""), "");
  EXPECT_EQ(file.FindKey("noequals"), -1);
}

TEST(KeyValueFile, EqualsSignAsSecondByteOfADoubleByteCharacterIsNoSeparator) {
  KeyValueFile file;
  file.Read("\x81=key=value\n");  // lead byte 0x81 takes the '=' after it
  EXPECT_EQ(file.GetValue("\x81=key"), "value");
}

TEST(KeyValueFile, DuplicateKeysFirstOneWins) {
  KeyValueFile file;
  file.Read("k=first\nk=second\n");
  EXPECT_EQ(file.GetValue("k"), "first");
  file.SetValue("k", "new");
  EXPECT_EQ(file.lines[0], "k=new");
  EXPECT_EQ(file.lines[1], "k=second");
  file.SetValue("other", "x");
  EXPECT_EQ(file.lines.back(), "other=x");
}

TEST(KeyValueFile, LinesAreTakenAsTextModeReadsThem) {
  KeyValueFile file;
  file.Read("one\r\n\r\ntwo\nlast without end");
  ASSERT_EQ(file.lines.size(), 4u);
  EXPECT_EQ(file.lines[0], "one");
  EXPECT_EQ(file.lines[1], "");
  EXPECT_EQ(file.lines[2], "two");
  EXPECT_EQ(file.lines[3], "last without end");
  file.Read("only\n");
  EXPECT_EQ(file.lines.size(), 1u) << "a final line end starts no extra line";
  file.Read("");
  EXPECT_TRUE(file.lines.empty());
  file.Read("cr\ronly\n");
  EXPECT_EQ(file.lines[0], "cr\ronly") << "a CR not before LF is text";
}

TEST(KeyValueFile, LineLongerThan1023CharactersEndsTheReading) {
  std::string longest(1023, 'a'), tooLong(1024, 'b');
  KeyValueFile file;
  file.Read("first\n" + longest + "\r\n" + tooLong + "\nafter\n");
  ASSERT_EQ(file.lines.size(), 2u);
  EXPECT_EQ(file.lines[1], longest);
}

TEST(KeyValueFile, SetValueOnEmptyListThenSaveWritesOneLineWithCrLf) {
  TempDir dir;
  KeyValueFile file;
  file.SetValue("HighScore", "000000012345");
  ASSERT_TRUE(file.Save(GamePathOf(dir.File("Pelbrix.ini"))));
  EXPECT_EQ(ReadFile(dir.File("Pelbrix.ini")), "HighScore=000000012345\r\n");
}

TEST(KeyValueFile, SavedFileReadsBackByteForByte) {
  TempDir dir;
  const std::string original = "a=1\r\n\r\nb=2=3\r\n\x83\x5C=\x95\x5C\r\n";
  WriteFile(dir.File("in.ini"), original);
  KeyValueFile file;
  ASSERT_TRUE(file.Load(GamePathOf(dir.File("in.ini"))));
  ASSERT_TRUE(file.Save(GamePathOf(dir.File("out.ini"))));
  EXPECT_EQ(ReadFile(dir.File("out.ini")), original);
}

TEST(KeyValueFile, MissingFileLoadsNothing) {
  TempDir dir;
  KeyValueFile file;
  file.lines = {"stale=1"};
  EXPECT_FALSE(file.Load(GamePathOf(dir.File("none.ini"))));
  EXPECT_TRUE(file.lines.empty());
  EXPECT_EQ(file.GetValue("stale"), "");
}

TEST(KeyValueFile, AFolderOrAnUnreadableFileLoadsNothingAndDoesNotAbort) {
  TempDir dir;
  testing_support::MakeFolder(dir.File("Pelbrix.ini"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ini"));
  for (const char* name : {"Pelbrix.ini", "unreadable.ini"}) {
    KeyValueFile file;
    file.lines = {"stale=1"};
    EXPECT_FALSE(file.Load(GamePathOf(dir.File(name)))) << name;
    EXPECT_TRUE(file.lines.empty()) << name;
  }
}

TEST(KeyValueFile, FailedSaveLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir.File("Pelbrix.ini");
  WriteFile(path, "HighScore=999999999999\r\n");
  // The new contents cannot be written: the file they would go to is taken by a folder.
  std::filesystem::create_directory(path + ".tmp" + std::to_string(getpid()));
  KeyValueFile file;
  file.SetValue("HighScore", "000000000001");
  EXPECT_FALSE(file.Save(GamePathOf(path)));
  EXPECT_EQ(ReadFile(path), "HighScore=999999999999\r\n");
  EXPECT_FALSE(file.Save(GamePathOf(dir.File("no/such/folder/x.ini"))));
}

TEST(FieldOf, EachSpaceEndsOneField) {
  EXPECT_EQ(FieldOf("one two three", 0, " "), "one");
  EXPECT_EQ(FieldOf("one two three", 1, " "), "two");
  EXPECT_EQ(FieldOf("one two three", 2, " "), "three");
  EXPECT_EQ(FieldOf("one two three", 3, " "), "");
  EXPECT_EQ(FieldOf("one  two", 1, " "), "") << "two spaces enclose an empty field";
  EXPECT_EQ(FieldOf("one  two", 2, " "), "two");
  EXPECT_EQ(FieldOf("", 0, " "), "");
  EXPECT_EQ(FieldOf("a, b, c", 2, ", "), "c");
}

TEST(FieldOf, DelimiterNeverMatchesInsideADoubleByteCharacter) {
  // "ソ" (0x83 0x5C) ends in a byte that looks like the delimiter "\\".
  EXPECT_EQ(FieldOf("\x83\x5C" "a\\b", 0, "\\"), "\x83\x5C" "a");
  EXPECT_EQ(FieldOf("\x83\x5C" "a\\b", 1, "\\"), "b");
}

}  // namespace
