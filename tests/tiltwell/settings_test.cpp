// "Twell.ini": written with its ten default lines when missing, read with its fallbacks and the
// 63-character limit, and left alone when it exists but cannot be read.
#include "tiltwell/settings.h"

#include <gtest/gtest.h>

#include "tests/support/environment.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

TEST(MazeSettings, AMissingFileIsWrittenWithItsTenLinesAndPlaysStageSetZero) {
  testing_support::TempWorkingFolder work;
  Settings s = ReadSettings();
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(ReadFile(work.File("Twell.ini")),
            "[Twell]\r\nwindowed = 1\r\nDispFPS = 0\r\nDispVersion = 0\r\nExecMode = 0\r\n"
            "FrameSkip = 0\r\nPlayStageNumber = 0\r\nStagesDir = stages\r\nStages0 = std.ini\r\n"
            "SaveFileDir = sav\r\n");
  EXPECT_EQ(s.windowed, 1);
  EXPECT_EQ(s.StagesDir, "stages");
  EXPECT_EQ(s.stageSets[0], "std.ini");
  EXPECT_EQ(s.SaveFileDir, "sav");
  EXPECT_EQ(s.PlayStagesNumber, 0);
  EXPECT_EQ(s.windowWidth, 640);
  EXPECT_EQ(s.windowHeight, 480);
}

TEST(MazeSettings, OnlyPlayStagesNumberChoosesTheStageSet) {
  testing_support::TempWorkingFolder work;
  WriteFile(work.File("Twell.ini"), "[Twell]\r\nPlayStageNumber = 3\r\n");
  EXPECT_EQ(ReadSettings().PlayStagesNumber, 0) << "the default file's spelling is not read";
  WriteFile(work.File("Twell.ini"), "[Twell]\r\nPlayStagesNumber = 3\r\n");
  EXPECT_EQ(ReadSettings().PlayStagesNumber, 3);
}

TEST(MazeSettings, KeysThatAreMissingTakeTheirFallbacksAndTextsKeep63Characters) {
  testing_support::TempWorkingFolder work;
  WriteFile(work.File("Twell.ini"), "[Twell]\r\nStages5 = " + std::string(80, 'x') + "\r\nDispFPS = 1\r\n");
  Settings s = ReadSettings();
  EXPECT_EQ(s.stageSets[5], std::string(63, 'x'));
  EXPECT_EQ(s.DispFPS, 1);
  EXPECT_EQ(s.windowed, 1);
  EXPECT_EQ(s.StagesDir, "stages");
  EXPECT_EQ(s.stageSets[0], "") << "no default set name once the file exists";
}

TEST(MazeSettings, AFileThatCannotBeOpenedLeavesEverySettingEmpty) {
  testing_support::TempWorkingFolder work;
  testing_support::MakeFolder(work.File("Twell.ini"));
  Settings s = ReadSettings();
  EXPECT_NE(s.status, 0);
  EXPECT_NE(s.status, 2);
  EXPECT_EQ(s.windowed, 0);
  EXPECT_EQ(s.StagesDir, "");
}

}  // namespace
