#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

class ProfileFile : public ::testing::Test {
 protected:
  void Write(const std::string& text) { testing_support::WriteFile(path, text); }
  testing_support::TempDir dir;
  std::string path = dir.File("settings.ini");
};

TEST_F(ProfileFile, SectionsAndKeysIgnoreCaseAndBlanks) {
  Write("; a comment\r\n[Twell]\r\nwindowed = 1\r\n  StagesDir=  stages  \r\n[Other]\r\nwindowed=0\r\n");
  EXPECT_EQ(ReadProfileInt("twell", "WINDOWED", 7, path), 1);
  EXPECT_EQ(ReadProfileString("TWELL", "stagesdir", "x", 64, path), "stages");
  EXPECT_EQ(ReadProfileInt("Other", "windowed", 7, path), 0);
}

TEST_F(ProfileFile, FallbacksForWhatIsMissing) {
  Write("[KEY]\n1=I\nempty=\n");
  EXPECT_EQ(ReadProfileString("KEY", "2", "O", 2, path), "O");
  EXPECT_EQ(ReadProfileString("MODE", "1", "fallback  ", 64, path), "fallback");
  EXPECT_EQ(ReadProfileInt("KEY", "empty", 5, path), 5) << "an empty value reads as missing";
  EXPECT_EQ(ReadProfileString("KEY", "empty", "x", 64, path), "");
  EXPECT_EQ(ReadProfileInt("KEY", "1", 9, dir.File("none.ini")), 9);
  EXPECT_EQ(ReadProfileString("KEY", "1", "d", 64, dir.File("none.ini")), "d");
}

TEST_F(ProfileFile, BufferSizeLimitsTheValue) {
  Write("[KEY]\n1=Iota\nlong=" + std::string(100, 'a') + "\n");
  EXPECT_EQ(ReadProfileString("KEY", "1", "", 2, path), "I");
  EXPECT_EQ(ReadProfileString("KEY", "long", "", 64, path).size(), 63u);
  EXPECT_EQ(ReadProfileString("KEY", "1", "", 0, path), "");
}

TEST_F(ProfileFile, IntegersAreReadUpToTheFirstOtherCharacter) {
  Write("[N]\na=42abc\nb=-17\nc=abc\nd=99999999999\ne=+3\n");
  EXPECT_EQ(ReadProfileInt("N", "a", 0, path), 42);
  EXPECT_EQ(ReadProfileInt("N", "b", 0, path), -17);
  EXPECT_EQ(ReadProfileInt("N", "c", 5, path), 0);
  EXPECT_EQ(ReadProfileInt("N", "d", 0, path), 2147483647);
  EXPECT_EQ(ReadProfileInt("N", "e", 0, path), 3);
}

TEST_F(ProfileFile, QuotesAreDroppedAndTheFirstKeyAndSectionWin) {
  Write("[S]\nk=\"quoted value\"\nk=second\n[T]\n[S]\nlater=1\n");
  EXPECT_EQ(ReadProfileString("S", "k", "", 64, path), "quoted value");
  EXPECT_EQ(ReadProfileInt("S", "later", 4, path), 4) << "a second section of the name is not read";
}

TEST_F(ProfileFile, AFolderOrAnUnreadableFileGivesTheFallbacks) {
  testing_support::MakeFolder(dir.File("folder.ini"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ini"));
  for (const char* name : {"folder.ini", "unreadable.ini"}) {
    EXPECT_EQ(ReadProfileInt("Twell", "windowed", 1, dir.File(name)), 1) << name;
    EXPECT_EQ(ReadProfileString("Twell", "StagesDir", "stages", 64, dir.File(name)), "stages") << name;
  }
}

}  // namespace
}  // namespace platform
