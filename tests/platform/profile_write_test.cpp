#include <gtest/gtest.h>

#include <filesystem>

#include "platform/profile_file.h"
#include "tests/support/temp_dir.h"

namespace platform {
namespace {

class ProfileWrite : public ::testing::Test {
 protected:
  void Write(const std::string& text) { testing_support::WriteFile(path, text); }
  std::string Read() { return testing_support::ReadFile(path); }
  testing_support::TempDir dir;
  std::string path = dir.File("Twell.ini");
};

TEST_F(ProfileWrite, ReplacingAValueKeepsEveryOtherByteOfTheFile) {
  const std::string before =
      "; settings\r\n[Twell]\r\nwindowed = 1 \r\n\tFrameSkip=\"0\"\r\n\r\n[Other]\nFrameSkip=7\n";
  Write(before);
  ASSERT_TRUE(WriteProfileString("twell", "FRAMESKIP", "1", path));
  EXPECT_EQ(Read(), "; settings\r\n[Twell]\r\nwindowed = 1 \r\n\tFrameSkip=1\r\n\r\n[Other]\nFrameSkip=7\n")
      << "only the value (its quotes with it) changes; names, blanks and line ends stay";
  ASSERT_TRUE(WriteProfileString("Twell", "windowed", "0", path));
  EXPECT_EQ(Read(), "; settings\r\n[Twell]\r\nwindowed = 0 \r\n\tFrameSkip=1\r\n\r\n[Other]\nFrameSkip=7\n");
  EXPECT_EQ(ReadProfileInt("Other", "FrameSkip", 0, path), 7);
}

TEST_F(ProfileWrite, TheMazeGamesSaveFileChangesOnlyItsCount) {
  Write("[Save]\r\n\r\nClearedStage=1\r\n");
  ASSERT_TRUE(WriteProfileString("Save", "ClearedStage", "3", path));
  EXPECT_EQ(Read(), "[Save]\r\n\r\nClearedStage=3\r\n");
  EXPECT_EQ(ReadProfileInt("Save", "ClearedStage", 0, path), 3);
}

TEST_F(ProfileWrite, AMissingKeyIsAddedAfterTheLastLineOfItsSection) {
  Write("[A]\r\nx=1\r\n\r\n[B]\ny=2");
  ASSERT_TRUE(WriteProfileString("A", "z", "9", path));
  EXPECT_EQ(Read(), "[A]\r\nx=1\r\nz=9\r\n\r\n[B]\ny=2")
      << "the blank line that separates the sections stays between them";
  ASSERT_TRUE(WriteProfileString("b", "w", "", path));
  EXPECT_EQ(Read(), "[A]\r\nx=1\r\nz=9\r\n\r\n[B]\ny=2\r\nw=\r\n")
      << "a last line without a line end gets one before the new line";

  Write("[Save]\r\n\r\n[Next]\r\n");
  ASSERT_TRUE(WriteProfileString("Save", "ClearedStage", "2", path));
  EXPECT_EQ(Read(), "[Save]\r\nClearedStage=2\r\n\r\n[Next]\r\n") << "a section without keys gets it after its header";
}

TEST_F(ProfileWrite, AMissingSectionGoesAtTheEndAndAMissingFileIsMade) {
  ASSERT_TRUE(WriteProfileString("MODE", "mode", "0", path));
  EXPECT_EQ(Read(), "[MODE]\r\nmode=0\r\n");
  ASSERT_TRUE(WriteProfileString("KEY", "1", "I", path));
  EXPECT_EQ(Read(), "[MODE]\r\nmode=0\r\n[KEY]\r\n1=I\r\n");

  Write("[MODE]\nmode=1");
  ASSERT_TRUE(WriteProfileString("KEY", "2", "O", path));
  EXPECT_EQ(Read(), "[MODE]\nmode=1\r\n[KEY]\r\n2=O\r\n");
  EXPECT_EQ(ReadProfileString("KEY", "2", "", 64, path), "O");
  EXPECT_EQ(ReadProfileInt("MODE", "mode", 0, path), 1);
}

TEST_F(ProfileWrite, TheSectionWrittenIsTheOneTheReaderReads) {
  Write("[S]\r\nk=1\r\n[T]\r\nk=2\r\n[S]\r\nk=3\r\n");
  ASSERT_TRUE(WriteProfileString("S", "k", "5", path));
  ASSERT_TRUE(WriteProfileString("S", "j", "6", path));
  EXPECT_EQ(Read(), "[S]\r\nk=5\r\nj=6\r\n[T]\r\nk=2\r\n[S]\r\nk=3\r\n");
  EXPECT_EQ(ReadProfileInt("S", "k", 0, path), 5);
  EXPECT_EQ(ReadProfileInt("S", "j", 0, path), 6);
}

TEST_F(ProfileWrite, DoubleByteNamesMatchExactly) {
  // "ア" is 0x83 0x41 and "ヂ" 0x83 0x61: a byte-wise case fold would take one for the other.
  // "ゾ" is 0x83 0x5D: its second byte is a ']' that does not end the section name.
  Write("[\x83\x5D]\r\n\x83\x41=1\r\n");
  EXPECT_EQ(ReadProfileInt("\x83\x5D", "\x83\x41", 0, path), 1);
  EXPECT_EQ(ReadProfileInt("\x83\x5D", "\x83\x61", 0, path), 0) << "ヂ is not ア";
  ASSERT_TRUE(WriteProfileString("\x83\x5D", "\x83\x61", "2", path));
  EXPECT_EQ(Read(), "[\x83\x5D]\r\n\x83\x41=1\r\n\x83\x61=2\r\n");
}

TEST_F(ProfileWrite, WhatCannotBeReadIsNeverReplaced) {
  testing_support::MakeFolder(dir.File("folder.ini"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ini"));
  EXPECT_FALSE(WriteProfileString("Save", "ClearedStage", "3", dir.File("folder.ini")));
  EXPECT_FALSE(WriteProfileString("Save", "ClearedStage", "3", dir.File("unreadable.ini")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.ini")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("unreadable.ini")))
      << "a file that could not be read is left as it was";
  EXPECT_FALSE(WriteProfileString("Save", "ClearedStage", "3", dir.File("sav/none.ini")))
      << "a missing folder is not made";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
      << "no temporary file is left behind";
}

TEST_F(ProfileWrite, NamesAndValuesThatWouldBreakTheLinesAreRefused) {
  Write("[Save]\r\nClearedStage=1\r\n");
  EXPECT_FALSE(WriteProfileString("Save", "ClearedStage", "1\r\n[Twell]", path));
  EXPECT_FALSE(WriteProfileString("Save", "Cleared=Stage", "1", path));
  EXPECT_FALSE(WriteProfileString("Save", "[Stage", "1", path));
  EXPECT_FALSE(WriteProfileString("Sa]ve", "ClearedStage", "1", path));
  EXPECT_FALSE(WriteProfileString("Save", "", "1", path));
  EXPECT_FALSE(WriteProfileString("", "ClearedStage", "1", path));
  EXPECT_EQ(Read(), "[Save]\r\nClearedStage=1\r\n");
}

}  // namespace
}  // namespace platform
