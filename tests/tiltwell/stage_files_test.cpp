// Stage sets, the binary stage data and the save file of the maze game.
#include "tiltwell/stage_files.h"
#include "tiltwell/stage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/text_encoding.h"
#include "tests/support/environment.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

// A set "std.ini" in "stages" naming "std.dat" with the given number of stages.
class StageSets : public ::testing::Test {
 protected:
  StageSets() {
    testing_support::MakeFolder(work.File("stages"));
    settings.StagesDir = "stages";
    settings.SaveFileDir = "sav";
    settings.stageSets[0] = "std.ini";
  }
  void WriteSet(int stages, const std::string& save = "std.sav") {
    WriteFile(work.File("stages/std.ini"), "[Stages]\r\nStagesFileName=std.dat\r\nNumOfStages=" +
                                               std::to_string(stages) + "\r\nGraphicName0=tiles.png\r\n"
                                               "SaveFileName=" + save + "\r\nBGIMGName=back.png\r\n");
  }
  // A tile table whose type 1 is a floor on sheet 2, column 3, row 4, grip 5, and one stage
  // record with the given bytes at the given offsets, 2 x 1 cells of type 1.
  static std::string Data(std::vector<std::pair<int, uint8_t>> recordBytes) {
    std::string data(StageFiles::kTableBytes + StageFiles::kRecordBytes, '\0');
    const uint8_t type1[8] = {1, 0x23, 4, 9, 5, 6, 7, 8};
    std::copy(type1, type1 + 8, data.begin() + 8);
    char* record = data.data() + StageFiles::kTableBytes;
    record[0] = 2, record[1] = 1, record[128] = 1, record[129] = 1;
    for (auto [at, value] : recordBytes) record[at] = char(value);
    return data;
  }

  testing_support::TempWorkingFolder work;
  platform::HeadlessHost host;
  Settings settings;
  StageFiles stage;
};

TEST_F(StageSets, AShortDataFileLeavesTheLaterStagesEmpty) {
  WriteSet(3);
  WriteFile(work.File("stages/std.dat"), Data({{6, 200}, {7, 0}}));
  EXPECT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  EXPECT_EQ(stage.GraphicName[0], "tiles.png");
  EXPECT_EQ(stage.BGIMGName, "back.png");
  ASSERT_TRUE(stage.LoadStage(0));
  EXPECT_EQ(stage.timeLimitSeconds, 200);
  ASSERT_EQ(stage.cells.size(), 2u);
  EXPECT_EQ(stage.cells[1].kind, 1);
  EXPECT_EQ(stage.cells[1].sheet, 2);
  EXPECT_EQ(stage.cells[1].column, 3);
  EXPECT_EQ(stage.cells[1].row, 4);
  EXPECT_EQ(stage.cells[1].grip, 5);
  EXPECT_EQ(stage.cells[1].timer, 8);
  ASSERT_TRUE(stage.LoadStage(2));
  EXPECT_EQ(stage.cols, 0);
  EXPECT_EQ(stage.rows, 0);
  EXPECT_EQ(stage.timeLimitSeconds, 0);
  // An empty grid is still a stage in play: the title names it (with an empty name and
  // comment), so a second start is not mistaken for one beside the title screen.
  auto window = host.CreateWindow({});
  stage.UpdateTitle(*window);
  EXPECT_EQ(window->title(), "Tiltwell. ~  - ");
  EXPECT_FALSE(stage.LoadStage(3)) << "no such stage";
}

TEST_F(StageSets, TheTimeLimitIsLittleEndian) {
  WriteSet(1);
  WriteFile(work.File("stages/std.dat"), Data({{6, 44}, {7, 1}}));
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  ASSERT_TRUE(stage.LoadStage(0));
  EXPECT_EQ(stage.timeLimitSeconds, 300);
}

TEST_F(StageSets, ATitleShowsANameOfTwentyFourCharactersWholeThenTheComment) {
  WriteSet(1);
  std::vector<std::pair<int, uint8_t>> bytes;
  const std::string name = platform::Cp932Literal("回転盤の迷路ステージ１２");  // 24 bytes
  ASSERT_EQ(name.size(), 24u);
  for (size_t i = 0; i < 24; ++i) bytes.emplace_back(8 + int(i), uint8_t(name[i]));
  for (size_t i = 0; i < 5; ++i) bytes.emplace_back(32 + int(i), uint8_t("easy!"[i]));
  WriteFile(work.File("stages/std.dat"), Data(bytes));
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  auto window = host.CreateWindow({});
  stage.UpdateTitle(*window);
  EXPECT_EQ(window->title(), "Tiltwell.") << "no stage yet";
  ASSERT_TRUE(stage.LoadStage(0));
  stage.UpdateTitle(*window);
  EXPECT_EQ(window->title(), "Tiltwell. ~ " + name + " - easy!");
  stage.Free();
  stage.UpdateTitle(*window);
  EXPECT_EQ(window->title(), "Tiltwell.");
}

TEST_F(StageSets, TheFirstClearMakesTheSaveFolderAndFileAndALaterOneChangesOnlyItsValue) {
  WriteSet(4);
  WriteFile(work.File("stages/std.dat"), Data({}));
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  EXPECT_EQ(stage.storedCleared, 0);
  stage.WriteSave(settings, 1);
  EXPECT_EQ(ReadFile(work.File("sav/std.sav")), "[Save]\r\n\r\nClearedStage=1\r\n");
  WriteFile(work.File("sav/std.sav"), "[Save]\r\n\r\nClearedStage=1\r\n[Other]\r\nkeep=me\r\n");
  stage.WriteSave(settings, 3);
  EXPECT_EQ(ReadFile(work.File("sav/std.sav")), "[Save]\r\n\r\nClearedStage=3\r\n[Other]\r\nkeep=me\r\n");
  EXPECT_EQ(stage.ReadSave(settings), 3);
}

TEST_F(StageSets, FailuresAreResultsAndOnlyAnUnreadableDataFileSaysSo) {
  EXPECT_NE(stage.LoadSet(settings, 0, host.dialogs()), 0) << "no set file";
  WriteFile(work.File("stages/std.ini"), "[Stages]\r\nNumOfStages=1\r\n");
  EXPECT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 2) << "no data file named";
  EXPECT_TRUE(host.shownDialogs().empty());
  WriteSet(1);
  testing_support::MakeFolder(work.File("stages/std.dat"));
  EXPECT_NE(stage.LoadSet(settings, 0, host.dialogs()), 0);
  ASSERT_EQ(host.shownDialogs().size(), 1u);
  EXPECT_EQ(host.shownDialogs()[0].textCp932, "faild to load file :\nstages\\std.dat");
  EXPECT_EQ(host.shownDialogs()[0].captionCp932, platform::Cp932Literal("失敗"));
  EXPECT_FALSE(stage.dataLoaded);
  WriteSet(1, "");
  std::filesystem::remove_all(work.File("stages/std.dat"));
  WriteFile(work.File("stages/std.dat"), Data({}));
  EXPECT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 2) << "no save file named";
  EXPECT_TRUE(stage.dataLoaded) << "the data is loaded all the same";
  WriteSet(-3);
  EXPECT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 2) << "a negative number of stages";
}

TEST_F(StageSets, SetNumbersOutsideTheTableAndPathsTooLongForTheirBuffersAreRefused) {
  WriteSet(1);
  WriteFile(work.File("stages/std.dat"), Data({}));
  for (int k : {-1, 8, 1 << 30}) EXPECT_NE(stage.LoadSet(settings, k, host.dialogs()), 0) << k;
  EXPECT_FALSE(stage.dataLoaded);
  // A set name that makes a relative path of 128 characters: refused before any file is read.
  settings.stageSets[1] = std::string(128 - 7, 'x');
  EXPECT_EQ(stage.LoadSet(settings, 1, host.dialogs()), ENAMETOOLONG);
  // A save folder too long for the save file's path: nothing is read or written.
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  settings.SaveFileDir = std::string(250, 'v');
  stage.WriteSave(settings, 1);
  EXPECT_EQ(stage.ReadSave(settings), 0);
  EXPECT_FALSE(std::filesystem::exists(work.File(settings.SaveFileDir)));
}

TEST_F(StageSets, AStageOfMoreThan4096CellsDoesNotStartAndChangesNothing) {
  WriteSet(2);
  std::string data = Data({});
  std::string big(StageFiles::kRecordBytes, '\0');
  big[0] = char(65), big[1] = char(64);  // 4,160 cells
  WriteFile(work.File("stages/std.dat"), data + big);
  ASSERT_EQ(stage.LoadSet(settings, 0, host.dialogs()), 0);
  STAGE play;
  static_cast<StageFiles&>(play) = stage;
  Ball ball;
  ASSERT_EQ(play.Start(0, ball), 0);
  ball.x = 123;
  EXPECT_EQ(play.Start(1, ball), 1);
  EXPECT_EQ(play.cells.size(), 2u) << "the stage before stays";
  EXPECT_EQ(play.currentStage, 0);
  EXPECT_EQ(ball.x, 123);
  EXPECT_EQ(play.Start(2, ball), 1) << "no such stage";
  EXPECT_EQ(play.Start(-1, ball), 1);
}

}  // namespace
